#pragma once

// What every fuzz target shares: a broken property stops the run like a crash, so that libFuzzer keeps the
// input that broke it, and the instrument file is cut where the viewer stops reading.

#include "store/InstrumentFile.h"
#include "store/MeasurementStore.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void Fail(const char* what, long long a = 0, long long b = 0) {
    std::fprintf(stderr, "property broken: %s (%lld, %lld)\n", what, a, b);
    std::abort();
}

inline void Require(bool ok, const char* what, long long a = 0, long long b = 0) {
    if (!ok)
        Fail(what, a, b);
}

inline bool SameMark(const TimeMark& x, const TimeMark& y) {
    return x.month == y.month && x.day == y.day && x.hour == y.hour && x.minute == y.minute &&
           x.second == y.second;
}

// The bytes as the viewer reads them: no more than MaxFileBytes. They are not copied, so that a read past
// the end of what is handed over lands outside libFuzzer's exact-size buffer and ASan sees it.
inline QByteArray ViewerBytes(const uint8_t* data, size_t size) {
    const auto used = static_cast<qsizetype>(std::min<size_t>(size, MaxFileBytes));
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), used);
}

inline InstrumentFile ParsedFile(const QByteArray& bytes) {
    return ParseInstrumentFile(bytes, QStringLiteral("/data/fuzz.rad"));
}
