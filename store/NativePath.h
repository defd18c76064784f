#pragma once

#include <QByteArray>
#include <QString>

// A file name on this system is a string of bytes, not of characters: a name copied from another system
// may hold bytes that are no UTF-8 (0xE4 of a Latin-1 "ä"). Qt's own conversion turns such a byte into
// U+FFFD, which names another file. So paths taken from the command line or a drop are held as QString
// with every byte that is no part of a UTF-8 character kept as the lone surrogate U+DC00 + byte (the
// "surrogate escape" Python uses too); NativePath gives back exactly the bytes that were read.

// The bytes as a path: UTF-8 decoded, any other byte escaped.
QString PathFromNative(const QByteArray& bytes);

// The bytes a path stands for: escaped bytes as they were, everything else as UTF-8.
QByteArray NativePath(const QString& path);

// The path for a person to read: an escaped byte shown as U+FFFD.
QString ShownPath(const QString& path);
