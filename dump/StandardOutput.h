#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// Writes the bytes to the stream and closes it, checking every step: a failed or short write, and the
// flush at the close, where a buffered stream does its real writing. Answers the Russian sentence naming
// the stream and the cause, or an empty string when every byte was taken.
QString WriteAndClose(std::FILE* stream, const QByteArray& bytes, const QString& streamName);

// The name of standard output in that sentence.
QString StandardOutputName();
