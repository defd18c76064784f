#pragma once

#include "graph/AxisSteps.h"
#include "store/MeasurementStore.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Caption of the time axis per unit as written, translated where it is shown: "(мин : сек)", "(час . мин)",
// "(день.час)", "(день мес)", "(мес)", "(год)".
extern const std::array<const char*, TimeUnitCount> UnitCaptions;

// Label offsets advance by whole units of these lengths: a month counts as 31 days, a year as 365.
extern const std::array<int64_t, TimeUnitCount> SecondsPerUnit;

// A label's calendar time, changed in place from one label to the next. Fields may run past their range
// between an advance and its carry.
struct LabelTime {
    int year = 0, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The instant at which the view begins: the mark that opens measurement viewFirst, dated in the year of the
// series' last mark (the years axis dates it in the calendar year it really falls in). A mark that forms no
// date is replaced by the nearest one that does, moved by the elapsed seconds between them; nullopt when
// the series has no such mark.
std::optional<LabelTime> ViewStartTime(const SelectedSeries& series, int viewFirst, uint8_t timeUnit);

// One carry per field, seconds up to years, with the series' month lengths.
void CarryOnce(LabelTime& time, const MonthTable& daysInMonth);

// The first label strictly after the start: truncated to the unit, its unit field moved on to the next
// multiple of the step, carried once.
LabelTime FirstLabelTime(const LabelTime& start, uint8_t timeUnit, uint16_t timeStep,
                         const MonthTable& daysInMonth);

// The next label: the unit field moved on by one step, carried once.
void AdvanceLabel(LabelTime& time, uint8_t timeUnit, uint16_t timeStep, const MonthTable& daysInMonth);

// Seconds from a to b on the Gregorian calendar. A day past its month's end counts on into the next month,
// so a 29 February in a common year is 1 March.
int64_t SecondsBetween(const LabelTime& a, const LabelTime& b);

// The instant a given number of seconds after a time that forms a real date.
LabelTime AddSeconds(const LabelTime& time, int64_t seconds);

struct LabelTexts {
    QString line1;
    QString line2; // only the hours axis has a second line
};

// A label's text, its month names and the order of day and month in the interface's language ("5 мар",
// "Mar 5").
LabelTexts LabelText(const LabelTime& time, uint8_t timeUnit);

// The text drawn as the time axis title: "время,  " and the unit's caption, in the interface's language.
QString TimeTitle(uint8_t timeUnit);
