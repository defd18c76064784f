#include "graph/TimeLabels.h"
#include "tests/support/SeriesFactory.h"

#include <gtest/gtest.h>

namespace {

const MonthTable LeapFebruary = [] {
    MonthTable table = DefaultDaysInMonth;
    table[2] = 29;
    return table;
}();

LabelTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return LabelTime{y, mo, d, h, mi, s};
}

void ExpectTime(const LabelTime& actual, const LabelTime& expected) {
    EXPECT_EQ(actual.year, expected.year);
    EXPECT_EQ(actual.month, expected.month);
    EXPECT_EQ(actual.day, expected.day);
    EXPECT_EQ(actual.hour, expected.hour);
    EXPECT_EQ(actual.minute, expected.minute);
    EXPECT_EQ(actual.second, expected.second);
}

struct FirstLabelCase {
    const char* name;
    LabelTime start;
    uint8_t unit;
    uint16_t step;
    const char* line1;
    const char* line2;
    int64_t offset; // seconds from the start of the view to the first label
};

class FirstLabelTest : public testing::TestWithParam<FirstLabelCase> {};

TEST_P(FirstLabelTest, LiesAtTheNextMultipleOfTheStep) {
    const FirstLabelCase c = GetParam();
    const LabelTime label = FirstLabelTime(c.start, c.unit, c.step, DefaultDaysInMonth);
    const LabelTexts texts = LabelText(label, c.unit);
    EXPECT_EQ(texts.line1, QString::fromUtf8(c.line1));
    EXPECT_EQ(texts.line2, QString::fromUtf8(c.line2));
    EXPECT_EQ(SecondsBetween(c.start, label), c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FirstLabelTest,
    testing::Values(
        FirstLabelCase{"SecondsCarryToTheMinute", At(2023, 5, 7, 12, 34, 56), Seconds, 10, "35:00", "", 4},
        FirstLabelCase{"MinutesStepFive", At(2023, 5, 7, 12, 34, 56), Minutes, 5, "12:35", "", 4},
        FirstLabelCase{"HoursCarryIntoFebruary", At(2023, 1, 31, 23, 10, 0), Hours, 6, "1 фев", "00:00",
                       3000},
        FirstLabelCase{"HoursLoseTheStartsSeconds", At(2023, 1, 31, 23, 10, 17), Hours, 6, "1 фев", "00:00",
                       2983},
        FirstLabelCase{"DaysCarryIntoMay", At(2023, 4, 30, 8, 0, 0), Days, 12, "6 май", "",
                       6 * 86400 - 8 * 3600},
        FirstLabelCase{"MonthsFromNovember", At(2023, 11, 14), Months, 3, "дек", "", 17 * 86400},
        FirstLabelCase{"AMultipleMovesOnAWholeStep", At(2023, 5, 7, 12, 30, 0), Minutes, 10, "12:40", "",
                       600},
        FirstLabelCase{"DaysCarryIntoTheNewYear", At(2023, 12, 31, 6), Days, 1, "1 янв", "", 18 * 3600},
        FirstLabelCase{"YearsStartOnTheFirstOfJanuary", At(2023, 12, 20, 12), Years, 1, "2024", "",
                       11 * 86400 + 12 * 3600},
        FirstLabelCase{"YearsStepFromAMultiple", At(2025, 3, 1), Years, 5, "2030", "",
                       (365 * 5 + 1 - 59) * int64_t{86400}}),
    [](const testing::TestParamInfo<FirstLabelCase>& param) { return std::string(param.param.name); });

TEST(TimeLabelsTest, MonthLabelsCountCalendarMonthsWhileOffsetsStepThirtyOneDays) {
    LabelTime label = FirstLabelTime(At(2023, 11, 14), Months, 3, DefaultDaysInMonth);
    AdvanceLabel(label, Months, 3, DefaultDaysInMonth);
    EXPECT_EQ(LabelText(label, Months).line1, QStringLiteral("мар"));
    EXPECT_EQ(label.year, 2024);
    AdvanceLabel(label, Months, 3, DefaultDaysInMonth);
    EXPECT_EQ(LabelText(label, Months).line1, QStringLiteral("июн"));
    EXPECT_EQ(3 * SecondsPerUnit[Months], 93 * 86400);
}

TEST(TimeLabelsTest, AdvanceCarriesEveryFieldOnce) {
    LabelTime label = At(2023, 12, 31, 23, 59, 50);
    AdvanceLabel(label, Seconds, 10, DefaultDaysInMonth);
    ExpectTime(label, At(2024, 1, 1, 0, 0, 0));
    LabelTime hours = At(2024, 2, 29, 20);
    AdvanceLabel(hours, Hours, 6, LeapFebruary);
    ExpectTime(hours, At(2024, 3, 1, 2));
}

TEST(TimeLabelsTest, FebruaryFollowsTheSeriesMonthTable) {
    LabelTime common = At(2023, 2, 28);
    AdvanceLabel(common, Days, 1, DefaultDaysInMonth);
    ExpectTime(common, At(2023, 3, 1));
    LabelTime leap = At(2024, 2, 28);
    AdvanceLabel(leap, Days, 1, LeapFebruary);
    ExpectTime(leap, At(2024, 2, 29));
}

TEST(TimeLabelsTest, SecondsBetweenCountsTheCalendar) {
    EXPECT_EQ(SecondsBetween(At(2024, 2, 28), At(2024, 3, 1)), 2 * 86400);
    EXPECT_EQ(SecondsBetween(At(2023, 2, 28), At(2023, 3, 1)), 86400);
    EXPECT_EQ(SecondsBetween(At(2023, 12, 31, 23, 59, 50), At(2024, 1, 1, 0, 0, 10)), 20);
    EXPECT_EQ(SecondsBetween(At(1999, 1, 1), At(2000, 1, 1)), 365 * 86400);
    EXPECT_EQ(SecondsBetween(At(2000, 1, 1), At(2001, 1, 1)), 366 * 86400);
    EXPECT_EQ(SecondsBetween(At(2100, 1, 1), At(2101, 1, 1)), 365 * 86400);
    // A 29 February of a common year is the day after the 28th, that is 1 March.
    EXPECT_EQ(SecondsBetween(At(2023, 2, 29), At(2023, 3, 1)), 0);
    EXPECT_EQ(SecondsBetween(At(2023, 3, 1), At(2023, 2, 28)), -86400);
}

TEST(TimeLabelsTest, TextsOfEveryUnit) {
    const LabelTime t = At(2024, 1, 5, 7, 5, 7);
    EXPECT_EQ(LabelText(t, Seconds).line1, QStringLiteral("5:07"));
    EXPECT_EQ(LabelText(t, Minutes).line1, QStringLiteral("7:05"));
    EXPECT_EQ(LabelText(t, Hours).line1, QStringLiteral("5 янв"));
    EXPECT_EQ(LabelText(t, Hours).line2, QStringLiteral("07:00"));
    EXPECT_EQ(LabelText(At(2024, 6, 15, 14, 30, 40), Hours).line2, QStringLiteral("14:00"));
    EXPECT_EQ(LabelText(At(2024, 6, 15, 14, 30, 40), Minutes).line1, QStringLiteral("14:30"));
    EXPECT_EQ(LabelText(At(2024, 6, 15, 14, 35, 40), Seconds).line1, QStringLiteral("35:40"));
    EXPECT_EQ(LabelText(t, Days).line1, QStringLiteral("5 янв"));
    EXPECT_TRUE(LabelText(t, Days).line2.isEmpty());
    EXPECT_EQ(LabelText(t, Months).line1, QStringLiteral("янв"));
    EXPECT_EQ(LabelText(t, Years).line1, QStringLiteral("2024"));
}

TEST(TimeLabelsTest, TitlesJoinTheCaption) {
    EXPECT_EQ(TimeTitle(Seconds), QStringLiteral("время,  (мин : сек)"));
    EXPECT_EQ(TimeTitle(Minutes), QStringLiteral("время,  (час . мин)"));
    EXPECT_EQ(TimeTitle(Hours), QStringLiteral("время,  (день.час)"));
    EXPECT_EQ(TimeTitle(Days), QStringLiteral("время,  (день мес)"));
    EXPECT_EQ(TimeTitle(Months), QStringLiteral("время,  (мес)"));
    EXPECT_EQ(TimeTitle(Years), QStringLiteral("время,  (год)"));
}

class ViewStartTest : public testing::Test {
protected:
    // Three days either side of a new year: marks in 2023 and 2024, CurrentYear 2024.
    SelectedSeries series =
        SeriesFromElapsed(Utc(2023, 12, 30, 10, 20, 30), {0, 86400, 3 * 86400, 5 * 86400}, {100, 200, 300});
};

TEST_F(ViewStartTest, DatesTheOpeningMarkInTheYearOfTheLastMark) {
    ASSERT_EQ(series.currentYear, 2024);
    const std::optional<LabelTime> start = ViewStartTime(series, 2, Days);
    ASSERT_TRUE(start);
    ExpectTime(*start, At(2024, 12, 31, 10, 20, 30));
}

TEST_F(ViewStartTest, YearsAxisDatesItInItsOwnYear) {
    const std::optional<LabelTime> start = ViewStartTime(series, 2, Years);
    ASSERT_TRUE(start);
    ExpectTime(*start, At(2023, 12, 31, 10, 20, 30));
    ExpectTime(*ViewStartTime(series, 3, Years), At(2024, 1, 2, 10, 20, 30));
}

TEST_F(ViewStartTest, AnUndatedMarkIsReplacedByTheLastDatedOneMovedOnByTheElapsedTime) {
    series.currentMarks[2].day = 45; // a bad mark: evaluation gave it the time of the mark before
    series.elapsedTime[2] = series.elapsedTime[1];
    const std::optional<LabelTime> start = ViewStartTime(series, 3, Minutes);
    ASSERT_TRUE(start);
    ExpectTime(*start, At(2024, 12, 31, 10, 20, 30));
}

TEST_F(ViewStartTest, WithoutAnEarlierDatedMarkALaterOneIsMovedBack) {
    series.currentMarks[0].month = 0;
    series.currentMarks[1].hour = 24;
    series.currentMarks[2].day = 45;
    // Mark 3 is 4 January 10:20:30 in CurrentYear; the view starts 5 days before it.
    ExpectTime(*ViewStartTime(series, 1, Minutes), At(2023, 12, 30, 10, 20, 30));
}

TEST_F(ViewStartTest, NoDatedMarkGivesNoStart) {
    for (TimeMark& mark : series.currentMarks)
        mark.month = 13;
    EXPECT_FALSE(ViewStartTime(series, 1, Seconds));
}

} // namespace
