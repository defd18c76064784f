#include "graph/TimeLabels.h"

#include "store/Calendar.h"
#include "store/MeasurementTexts.h"

#include <QCoreApplication>

const std::array<const char*, TimeUnitCount> UnitCaptions = {
    QT_TRANSLATE_NOOP("TimeLabels", "(мин : сек)"), QT_TRANSLATE_NOOP("TimeLabels", "(час . мин)"),
    QT_TRANSLATE_NOOP("TimeLabels", "(день.час)"),  QT_TRANSLATE_NOOP("TimeLabels", "(день мес)"),
    QT_TRANSLATE_NOOP("TimeLabels", "(мес)"),       QT_TRANSLATE_NOOP("TimeLabels", "(год)"),
};

const std::array<int64_t, TimeUnitCount> SecondsPerUnit = {1, 60, 3600, 86400, 2678400, 31536000};

namespace {

constexpr int64_t SecondsPerDay = 86400;

// Marks carry no year; any leap year admits every day a mark can name, so a mark is a date if it is one
// in a leap year. (The day count treats a 29 February of a common year as 1 March.)
constexpr int AnyLeapYear = 2000;

bool FormsDate(const TimeMark& mark) {
    return IsMarkValid(mark, AnyLeapYear);
}

// Days from 1970-01-01 of a proleptic Gregorian date whose day may run past its month.
int64_t DayNumber(int64_t y, int64_t m, int64_t d) {
    // Months past the year's end roll into the following years first, so m is 1..12 below.
    y += (m - 1) / 12;
    m = (m - 1) % 12 + 1;
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

LabelTime FromDayNumber(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    LabelTime time;
    time.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    time.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    time.year = static_cast<int>(yoe + era * 400 + (time.month <= 2));
    return time;
}

int64_t Instant(const LabelTime& t) {
    return DayNumber(t.year, t.month, t.day) * SecondsPerDay + int64_t{t.hour} * 3600 +
           int64_t{t.minute} * 60 + t.second;
}

int DaysOf(const MonthTable& daysInMonth, int month) {
    // Only a months axis carries a month past 12 into the day test; such a month is days-wise harmless.
    return month >= 1 && month <= 12 ? daysInMonth[month] : 31;
}

LabelTime FromMark(const TimeMark& mark, int year) {
    return LabelTime{year, mark.month, mark.day, mark.hour, mark.minute, mark.second};
}

// The calendar year of each mark relative to the series' last one, following month roll-overs.
int YearsBeforeEnd(const SelectedSeries& series, int markIndex) {
    YearTracker tracker(0);
    int yearAtMark = 0;
    for (int j = 0; j < static_cast<int>(series.currentMarks.size()); ++j) {
        const int year = tracker.advance(series.currentMarks[j]);
        if (j == markIndex)
            yearAtMark = year;
    }
    return tracker.year() - yearAtMark;
}

int MarkYear(const SelectedSeries& series, int markIndex, uint8_t timeUnit) {
    if (timeUnit != Years)
        return series.currentYear;
    return series.currentYear - YearsBeforeEnd(series, markIndex);
}

std::optional<int> NearestDatedMark(const SelectedSeries& series, int markIndex) {
    const int count = static_cast<int>(series.currentMarks.size());
    for (int j = markIndex - 1; j >= 0; --j) {
        if (FormsDate(series.currentMarks[j]))
            return j;
    }
    for (int j = markIndex + 1; j < count; ++j) {
        if (FormsDate(series.currentMarks[j]))
            return j;
    }
    return std::nullopt;
}

int& UnitField(LabelTime& time, uint8_t timeUnit) {
    switch (timeUnit) {
    case Seconds:
        return time.second;
    case Minutes:
        return time.minute;
    case Hours:
        return time.hour;
    case Days:
        return time.day;
    case Months:
        return time.month;
    default:
        return time.year;
    }
}

// The text followed by a time field of at least two digits.
QString WithTwoDigits(QString text, int value) {
    AppendTwoDigits(text, value);
    return text;
}

QString Translated(const char* text) {
    return QCoreApplication::translate("TimeLabels", text);
}

// The axis's own month names: a language of the interface has its own, where the saved table keeps the
// store's.
QString AxisMonthName(int month) {
    static const char* const names[13] = {
        "???",
        QT_TRANSLATE_NOOP("TimeLabels", "янв"),
        QT_TRANSLATE_NOOP("TimeLabels", "фев"),
        QT_TRANSLATE_NOOP("TimeLabels", "мар"),
        QT_TRANSLATE_NOOP("TimeLabels", "апр"),
        QT_TRANSLATE_NOOP("TimeLabels", "май"),
        QT_TRANSLATE_NOOP("TimeLabels", "июн"),
        QT_TRANSLATE_NOOP("TimeLabels", "июл"),
        QT_TRANSLATE_NOOP("TimeLabels", "авг"),
        QT_TRANSLATE_NOOP("TimeLabels", "сен"),
        QT_TRANSLATE_NOOP("TimeLabels", "окт"),
        QT_TRANSLATE_NOOP("TimeLabels", "ноя"),
        QT_TRANSLATE_NOOP("TimeLabels", "дек"),
    };
    return month >= 1 && month <= 12 ? Translated(names[month]) : QString::fromLatin1(names[0]);
}

QString DayAndMonth(const LabelTime& time) {
    //: A label of the time axis: %1 the day, %2 the month's name.
    return QCoreApplication::translate("TimeLabels", "%1 %2").arg(time.day).arg(AxisMonthName(time.month));
}

} // namespace

std::optional<LabelTime> ViewStartTime(const SelectedSeries& series, int viewFirst, uint8_t timeUnit) {
    const int markIndex = viewFirst - 1;
    if (markIndex < 0 || markIndex >= static_cast<int>(series.currentMarks.size()))
        return std::nullopt;
    const TimeMark& mark = series.currentMarks[markIndex];
    if (FormsDate(mark))
        return FromMark(mark, MarkYear(series, markIndex, timeUnit));
    const std::optional<int> dated = NearestDatedMark(series, markIndex);
    if (!dated)
        return std::nullopt;
    const LabelTime near = FromMark(series.currentMarks[*dated], MarkYear(series, *dated, timeUnit));
    return AddSeconds(near, series.elapsedTime[markIndex] - series.elapsedTime[*dated]);
}

void CarryOnce(LabelTime& time, const MonthTable& daysInMonth) {
    if (time.second > 59) {
        time.second -= 60;
        time.minute += 1;
    }
    if (time.minute > 59) {
        time.minute -= 60;
        time.hour += 1;
    }
    if (time.hour > 23) {
        time.hour -= 24;
        time.day += 1;
    }
    const int monthDays = DaysOf(daysInMonth, time.month);
    if (time.day > monthDays) {
        time.day -= monthDays;
        time.month += 1;
    }
    if (time.month > 12) {
        time.month -= 12;
        time.year += 1;
    }
}

LabelTime FirstLabelTime(const LabelTime& start, uint8_t timeUnit, uint16_t timeStep,
                         const MonthTable& daysInMonth) {
    LabelTime label = start;
    if (timeUnit >= Minutes)
        label.second = 0;
    if (timeUnit >= Hours)
        label.minute = 0;
    if (timeUnit >= Days)
        label.hour = 0;
    if (timeUnit >= Months)
        label.day = 1;
    if (timeUnit >= Years)
        label.month = 1;
    int& field = UnitField(label, timeUnit);
    field = field + timeStep - field % timeStep;
    CarryOnce(label, daysInMonth);
    return label;
}

void AdvanceLabel(LabelTime& time, uint8_t timeUnit, uint16_t timeStep, const MonthTable& daysInMonth) {
    UnitField(time, timeUnit) += timeStep;
    CarryOnce(time, daysInMonth);
}

int64_t SecondsBetween(const LabelTime& a, const LabelTime& b) {
    return Instant(b) - Instant(a);
}

LabelTime AddSeconds(const LabelTime& time, int64_t seconds) {
    const int64_t instant = Instant(time) + seconds;
    int64_t days = instant / SecondsPerDay;
    int64_t rest = instant % SecondsPerDay;
    if (rest < 0) {
        rest += SecondsPerDay;
        days -= 1;
    }
    LabelTime result = FromDayNumber(days);
    result.hour = static_cast<int>(rest / 3600);
    result.minute = static_cast<int>(rest / 60 % 60);
    result.second = static_cast<int>(rest % 60);
    return result;
}

LabelTexts LabelText(const LabelTime& time, uint8_t timeUnit) {
    switch (timeUnit) {
    case Seconds:
        return {WithTwoDigits(QString::number(time.minute) + QLatin1Char(':'), time.second), {}};
    case Minutes:
        return {WithTwoDigits(QString::number(time.hour) + QLatin1Char(':'), time.minute), {}};
    case Hours:
        return {DayAndMonth(time), WithTwoDigits(QString(), time.hour) + QStringLiteral(":00")};
    case Days:
        return {DayAndMonth(time), {}};
    case Months:
        return {AxisMonthName(time.month), {}};
    default:
        return {QString::number(time.year), {}};
    }
}

QString TimeTitle(uint8_t timeUnit) {
    return QCoreApplication::translate("TimeLabels", "время,  ") +
           Translated(UnitCaptions[timeUnit < TimeUnitCount ? timeUnit : 0]);
}
