#pragma once

#include <QString>

// The cause of a failed file operation in the words of the program's interface: a Russian phrase for the
// common causes (missing folder, no permission, full disk, read-only file system, file too large); any other
// cause keeps the system's own wording after a Russian lead-in. Lower case, without a final point, so that
// it can follow "…: ".
QString SystemErrorText(int errorNumber);

// The phrase for a target that exists but is no regular file (a folder, a FIFO, a device).
QString NotARegularFileText();

// As SystemErrorText, for an error met on path: a missing folder is told apart from a missing file.
QString PathErrorText(int errorNumber, const QString& path);

// What would stop a file from being written at path, found without writing anything: the error number of a
// missing or unreachable folder, of a target or folder without write permission or on a read-only file
// system; NotRegularFile for a target that exists and is no regular file; 0 when nothing is seen. For the
// writers that are not told the system's error number (Qt's save file, a printer printing to a file).
constexpr int NotRegularFile = -1;
int WriteObstacle(const QString& path);

// The cause of a failed write at path, as WriteObstacle finds it; else the system's wording after the
// Russian lead-in.
QString WriteFailureText(const QString& path, const QString& systemWording);
