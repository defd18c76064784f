#pragma once

#include <cstdint>

// One instrument time record as decoded from the file. Nothing is validated when it is stored: validity
// depends on the year the mark is read in.
struct TimeMark {
    uint8_t Month = 0; // 1..12; 0 when the file's month code means nothing
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minute = 0;
    uint8_t Second = 0;
};
