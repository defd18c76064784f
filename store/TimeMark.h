#pragma once

#include <cstdint>

// One instrument time record as decoded from the file. Nothing is validated when it is stored: validity
// depends on the year the mark is read in.
struct TimeMark {
    uint8_t month = 0; // 1..12; 0 when the file's month code means nothing
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
};
