#pragma once

#include "store/InstrumentFile.h"
#include "tests/support/InstrumentFileBuilder.h"

// The file half that the viewer would hold after opening these bytes as "/data/test.rad".
inline InstrumentFile ParseBytes(const QByteArray& bytes,
                                 const QString& path = QStringLiteral("/data/test.rad")) {
    return ParseInstrumentFile(bytes, path);
}
