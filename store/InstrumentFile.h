#pragma once

#include "store/MeasurementStore.h"
#include "store/Outcome.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Packed BCD to its number, nibbles unchecked: 0xFF gives 165, 0x3A gives 40.
uint8_t BcdToByte(uint8_t byte);

// The parser's working state over one buffer: the bytes, the read position and the series counter.
struct ParserState {
    const uint8_t* data = nullptr;
    int size = 0;
    int position = 4;
    int series = 0;
};

// Parses one series at the read position into the file half. Answers true while another series may follow.
// Never reads past size: a record whose bytes run out is dropped and the file ends there.
bool ParseSeries(ParserState& state, InstrumentFile& file);

// Header and every series of an instrument file's first bytes (at most MaxFileBytes are looked at); the
// file name is left as it was. Header bytes missing from a file shorter than 4 bytes count as 0.
void ParseInstrumentData(const QByteArray& bytes, InstrumentFile& file);

// Reads the first MaxFileBytes of a regular file; a failure's message names the file. Anything else (a
// folder, a FIFO, a device) is refused without being opened, so nothing can block. The path is kept as the
// bytes it was given in (see NativePath).
Result<QByteArray> ReadInstrumentFile(const QString& path);

// The first MaxFileBytes of an open stream (standard input), as from a file; name is what a message calls it.
Result<QByteArray> ReadInstrumentStream(int fd, const QString& name);

// The file half the bytes of an instrument file make, named by the path they were read from.
InstrumentFile ParseInstrumentFile(const QByteArray& bytes, const QString& path);

// The one road from a path to a file half, for the viewer, radview-dump, the summaries and the tests: the
// regular file's first MaxFileBytes read (see ReadInstrumentFile), parsed and named by the path; or why it
// could not be read, in a message that names the file.
Result<InstrumentFile> OpenInstrumentFile(const QString& path);
