#pragma once

#include <QString>

// Why a file could not be read or written, in the words of the program's Russian interface. The common
// causes get a sentence of their own; any other keeps the system's wording after a general sentence, so
// that nothing the user is told is left untranslated and nothing the system said is lost.

// The cause behind a system error number (errno).
QString SystemErrorText(int errorNumber);

// As SystemErrorText, for an error met on path: a missing folder is told apart from a missing file.
QString PathErrorText(int errorNumber, const QString& path);

// The cause for a path that names a folder, a device, a pipe or anything else but a regular file.
extern const char* const NotRegularFileText; // "это не обычный файл"

// What would stop a file from being written at path, found without writing anything: the error number
// of a missing or unreachable folder, of a target or folder without write permission or on a read-only
// file system; NotRegularFile for a target that exists and is not a regular file; 0 when nothing is seen.
constexpr int NotRegularFile = -1;
int WriteObstacle(const QString& path);

// The cause of a failed write at path, as WriteObstacle finds it, or else systemWording after a general
// sentence.
QString WriteFailureText(const QString& path, const QString& systemWording);
