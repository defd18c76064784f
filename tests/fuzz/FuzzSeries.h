#pragma once

// The fuzz targets that work on one series read their input alike: three choices, then the instrument file.
// Kept in this order, so that the corpus of every such target stays meaningful for the others.

#include "tests/fuzz/FuzzCheck.h"

#include "store/SeriesEvaluation.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <vector>

struct FuzzedSeries {
    InstrumentFile file;
    std::optional<SeriesEvaluation>
        evaluation;           // empty when the file has no series or the chosen one is refused
    int first = 0;            // the span's first measurement, 1 … n
    uint16_t countChoice = 0; // the span's length, for the target to bound as it needs

    // A span from the first measurement to at most the last one of the series.
    int lastWithin() const { return first + countChoice % (evaluation->series.measurementCount - first + 1); }
};

inline FuzzedSeries ConsumeFuzzedSeries(FuzzedDataProvider& input) {
    const auto seriesChoice = input.ConsumeIntegral<uint16_t>();
    const auto firstChoice = input.ConsumeIntegral<uint16_t>();
    FuzzedSeries chosen;
    chosen.countChoice = input.ConsumeIntegral<uint16_t>();
    const std::vector<uint8_t> fileBytes = input.ConsumeRemainingBytes<uint8_t>();
    chosen.file = ParsedFile(ViewerBytes(fileBytes.data(), fileBytes.size()));
    if (chosen.file.seriesCount == 0)
        return chosen;
    SeriesEvaluation evaluation = EvaluateSeries(chosen.file, 1 + seriesChoice % chosen.file.seriesCount);
    if (evaluation.refused())
        return chosen;
    chosen.first = 1 + firstChoice % evaluation.series.measurementCount;
    chosen.evaluation = std::move(evaluation);
    return chosen;
}
