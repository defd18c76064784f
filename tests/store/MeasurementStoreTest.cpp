#include "store/MeasurementStore.h"
#include "store/Calendar.h"
#include "store/MeasurementTexts.h"

#include <gtest/gtest.h>

namespace {

TimeMark Mark(int month, int day, int hour, int minute, int second) {
    return TimeMark{static_cast<uint8_t>(month), static_cast<uint8_t>(day), static_cast<uint8_t>(hour),
                    static_cast<uint8_t>(minute), static_cast<uint8_t>(second)};
}

TEST(MarkToText, PadsTheDayWithABlankAndTheTimeWithZeros) {
    EXPECT_EQ(MarkToText(Mark(1, 5, 9, 3, 7)), QStringLiteral(" 5 янв 09:03:07"));
    EXPECT_EQ(MarkToText(Mark(1, 5, 9, 3, 7)).size(), 15);
    EXPECT_EQ(MarkToText(Mark(12, 31, 23, 59, 59)), QStringLiteral("31 дек 23:59:59"));
    EXPECT_EQ(MarkToText(Mark(10, 10, 10, 10, 10)), QStringLiteral("10 окт 10:10:10"));
}

TEST(MarkToText, NeverCutsAValue) {
    EXPECT_EQ(MarkToText(Mark(5, 165, 165, 99, 165)), QStringLiteral("165 май 165:99:165"));
}

TEST(MarkToText, AMonthOutsideTheCalendarHasNoName) {
    EXPECT_EQ(MarkToText(Mark(0, 1, 0, 0, 0)), QStringLiteral(" 1 ??? 00:00:00"));
    EXPECT_EQ(MarkToText(Mark(13, 1, 0, 0, 0)), QStringLiteral(" 1 ??? 00:00:00"));
}

TEST(MonthName, AllTwelve) {
    const char* const names[] = {"янв", "фев", "мар", "апр", "май", "июн",
                                 "июл", "авг", "сен", "окт", "ноя", "дек"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(MonthName(m), QString::fromUtf8(names[m - 1]));
}

TEST(FileNamePart, CutsAtTheLastSeparatorOrDriveColon) {
    EXPECT_EQ(FileNamePart(QStringLiteral("/home/lab/run 7.rad")), QStringLiteral("run 7.rad"));
    EXPECT_EQ(FileNamePart(QStringLiteral("C:\\data\\a.rad")), QStringLiteral("a.rad"));
    EXPECT_EQ(FileNamePart(QStringLiteral("C:a.rad")), QStringLiteral("a.rad"));
    EXPECT_EQ(FileNamePart(QStringLiteral("plain.rad")), QStringLiteral("plain.rad"));
}

TEST(MarkValidity, GregorianDatesAndTimesBelowMidnight) {
    EXPECT_TRUE(IsMarkValid(Mark(2, 29, 0, 0, 0), 2024));
    EXPECT_FALSE(IsMarkValid(Mark(2, 29, 0, 0, 0), 2025));
    EXPECT_FALSE(IsMarkValid(Mark(2, 29, 0, 0, 0), 2100)); // century rule
    EXPECT_TRUE(IsMarkValid(Mark(2, 29, 0, 0, 0), 2000));
    EXPECT_FALSE(IsMarkValid(Mark(4, 31, 0, 0, 0), 2025));
    EXPECT_FALSE(IsMarkValid(Mark(1, 0, 0, 0, 0), 2025));
    EXPECT_FALSE(IsMarkValid(Mark(0, 1, 0, 0, 0), 2025));
    EXPECT_FALSE(IsMarkValid(Mark(1, 1, 24, 0, 0), 2025));
    EXPECT_FALSE(IsMarkValid(Mark(1, 1, 0, 60, 0), 2025));
    EXPECT_FALSE(IsMarkValid(Mark(1, 1, 0, 0, 60), 2025));
    EXPECT_TRUE(IsMarkValid(Mark(12, 31, 23, 59, 59), 2025));
}

TEST(MarkMoments, SecondsAndDayCountsAgreeWithTheCalendar) {
    EXPECT_EQ(MarkSeconds(Mark(1, 1, 0, 0, 10), 2006) - MarkSeconds(Mark(12, 31, 23, 59, 50), 2005), 20);
    EXPECT_EQ(MarkSeconds(Mark(3, 1, 0, 0, 0), 2024) - MarkSeconds(Mark(2, 28, 0, 0, 0), 2024), 2 * 86400);
    // Day counts start at 1899-12-30: 2000-01-01 is day 36526.
    EXPECT_EQ(MarkDays(Mark(1, 1, 0, 0, 0), 2000), 36526.0);
    EXPECT_EQ(MarkDays(Mark(1, 1, 12, 0, 0), 2000), 36526.5);
}

TEST(YearTracker, MonthsWithoutACalendarMeaningNeitherRaiseNorAnchor) {
    YearTracker years(2005);
    EXPECT_EQ(years.advance(Mark(12, 31, 0, 0, 0)), 2005);
    EXPECT_EQ(years.advance(Mark(0, 1, 0, 0, 0)), 2005);
    EXPECT_EQ(years.advance(Mark(1, 1, 0, 0, 0)), 2006);
    EXPECT_EQ(years.advance(Mark(0, 1, 0, 0, 0)), 2006);
    EXPECT_EQ(years.advance(Mark(2, 1, 0, 0, 0)), 2006);
    EXPECT_EQ(years.advance(Mark(1, 1, 0, 0, 0)), 2007);
}

} // namespace
