#include "tests/support/MarkSeries.h"

#include "store/ActivityUnit.h"
#include "store/MeasurementReadout.h"
#include "store/SpanStatistics.h"
#include "table/CsvTable.h"
#include "tests/support/SampleFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(ActivityUnits, NamesAndCaptions) {
    EXPECT_EQ(ActivityUnitCaption(ActivityUnit::BecquerelPerCubicMetre), QStringLiteral("Бк/м³"));
    EXPECT_EQ(ActivityUnitCaption(ActivityUnit::PicocuriePerLitre), QStringLiteral("пКи/л"));
    for (ActivityUnit unit : {ActivityUnit::BecquerelPerCubicMetre, ActivityUnit::PicocuriePerLitre})
        EXPECT_EQ(ActivityUnitNamed(ActivityUnitName(unit)), unit);
    EXPECT_EQ(ActivityUnitNamed(QStringLiteral("PCI/l")), ActivityUnit::PicocuriePerLitre);
    EXPECT_EQ(ActivityUnitNamed(QStringLiteral("Bq/m³")), ActivityUnit::BecquerelPerCubicMetre);
    EXPECT_EQ(ActivityUnitNamed(QStringLiteral("Bq")), std::nullopt);
    EXPECT_EQ(ActivityUnitNamed(QString()), std::nullopt);
}

// Every measurement of every sample reads as the table's cell in Bq/m³ and as the CSV's pCi/L column.
TEST(ActivityUnits, EveryMeasurementAsTheTableAndTheCsvShowIt) {
    int checked = 0;
    for (const SampleFile& sample : SampleFiles()) {
        const InstrumentFile file = ParseBytes(sample.bytes);
        for (int s = 1; s <= file.seriesCount; ++s) {
            const SeriesEvaluation evaluation = EvaluateSeries(file, s);
            const SelectedSeries& series = evaluation.series;
            const QDateTime start = evaluation.refused() ? QDateTime() : SeriesStartMoment(series);
            for (int k = 1; k <= series.measurementCount; ++k, ++checked) {
                const int64_t activity = series.activity[k];
                EXPECT_EQ(ActivityWithErrorTextIn(activity, ActivityUnit::BecquerelPerCubicMetre),
                          MeasurementRowTexts(series, k)[3]);
                EXPECT_EQ(ActivityValueText(activity, ActivityUnit::PicocuriePerLitre, QLatin1Char('.')),
                          SpanRowFieldsOf(series, start, k)[6]);
            }
        }
    }
    EXPECT_GT(checked, 500);
}

TEST(ActivityUnits, ConvertedOnceAndRoundedOnce) {
    // 267.4 Bq/m³ is 7.227 pCi/L; rounding to whole Bq/m³ first would give 267 → 7.216.
    EXPECT_EQ(ActivityValueText(267.4L, ActivityUnit::PicocuriePerLitre), QStringLiteral("7,23"));
    EXPECT_EQ(ActivityValueText(267.4L, ActivityUnit::BecquerelPerCubicMetre), QStringLiteral("267"));
    // Whole Bq/m³ round halves to the even neighbour, as every figure of the program.
    EXPECT_EQ(ActivityValueText(266.5L, ActivityUnit::BecquerelPerCubicMetre), QStringLiteral("266"));
    EXPECT_EQ(ActivityValueText(267.5L, ActivityUnit::BecquerelPerCubicMetre), QStringLiteral("268"));
    EXPECT_EQ(ActivityValueText(3, ActivityUnit::PicocuriePerLitre, QLatin1Char('.')),
              QStringLiteral("0.08"));
    EXPECT_EQ(ActivityInUnit(370, ActivityUnit::PicocuriePerLitre), 10);
    EXPECT_EQ(ActivityInUnit(370, ActivityUnit::BecquerelPerCubicMetre), 370);
}

TEST(ActivityUnits, TheErrorIsFifteenPercentOfTheConvertedActivity) {
    // 250 Bq/m³ = 6.757 pCi/L; its error 37.5 → 38 Bq/m³ would read 1.03 converted, 15 % of 6.757 is 1.01.
    EXPECT_EQ(ActivityWithErrorTextIn(250, ActivityUnit::BecquerelPerCubicMetre), QStringLiteral("250±38"));
    EXPECT_EQ(ActivityWithErrorTextIn(250, ActivityUnit::PicocuriePerLitre), QStringLiteral("6,76±1,01"));
    EXPECT_EQ(ActivityWithErrorTextIn(267, ActivityUnit::PicocuriePerLitre, QLatin1Char('.')),
              QStringLiteral("7.22±1.08"));
    // Where the clock went back the table shows a negative activity with a negative error; so does pCi/L.
    EXPECT_EQ(ActivityWithErrorTextIn(-4267, ActivityUnit::PicocuriePerLitre),
              QStringLiteral("-115,32±-17,30"));
}

// The graph's readout of a measurement that runs across the new year: each moment with its own year, the
// activity as the table's cell in the unit asked for.
TEST(ActivityUnits, TheReadoutNamesTheMeasurementWithItsYearsAndUnit) {
    const SeriesEvaluation evaluation =
        EvaluateMarks(250, 23, {{12, 31, 20, 0, 0}, {12, 31, 22, 30, 5}, {1, 1, 1, 0, 0}});
    const SelectedSeries& series = evaluation.series;
    ASSERT_EQ(series.measurementCount, 2);
    EXPECT_EQ(MeasurementReadout(series, 2),
              QStringLiteral("№ 2: 31.12.2023 22:30:05 – 01.01.2024 01:00:00, %1 Бк/м³")
                  .arg(ActivityWithErrorTextIn(series.activity[2], ActivityUnit::BecquerelPerCubicMetre)));
    EXPECT_EQ(MeasurementReadout(series, 1, ActivityUnit::PicocuriePerLitre),
              QStringLiteral("№ 1: 31.12.2023 20:00:00 – 31.12.2023 22:30:05, %1 пКи/л")
                  .arg(ActivityWithErrorTextIn(series.activity[1], ActivityUnit::PicocuriePerLitre)));
}

} // namespace
