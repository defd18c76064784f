// libFuzzer target "evaluation": any bytes as an instrument file, parsed a second time over the file half
// the previous input left, and every series of it evaluated as the viewer evaluates the series the user
// chooses, with the averages the range dialog would give. The results
// are held to what must hold whatever the marks: sizes, sentinels, the maximum, the year, and the agreement
// of two separately written computations (a measurement's activity and the average over it alone, the
// equilibrium value and the average over the whole series).

#include "tests/fuzz/FuzzCheck.h"

#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"

namespace {

void CheckSameFile(const FileHalf& a, const FileHalf& b) {
    Require(a.DeviceNumber == b.DeviceNumber, "device number differs on re-parse");
    Require(a.Sensitivity == b.Sensitivity, "sensitivity differs on re-parse");
    Require(a.SeriesCount == b.SeriesCount, "series count differs on re-parse", a.SeriesCount, b.SeriesCount);
    for (int s = 1; s <= a.SeriesCount; ++s) {
        Require(a.SeriesNumbers[s] == b.SeriesNumbers[s], "series number differs on re-parse", s);
        Require(a.SeriesYears[s] == b.SeriesYears[s], "series year differs on re-parse", s);
        Require(a.MarkCounts(s) == b.MarkCounts(s), "mark count differs on re-parse", s);
        for (int m = 0; m < a.MarkCounts(s); ++m)
            Require(SameMark(a.SeriesMarks[s][m], b.SeriesMarks[s][m]), "mark differs on re-parse", s, m);
    }
}

int64_t Distance(int64_t a, int64_t b) {
    return a > b ? a - b : b - a;
}

void CheckAverages(const SelectedSeries& sel, uint16_t sensitivity) {
    const int n = sel.MeasurementCount;
    for (int k = 1; k <= n; ++k) {
        const int64_t seconds = sel.ElapsedTime[k] - sel.ElapsedTime[k - 1];
        const AverageResult alone = AverageActivity(sel, sensitivity, {k, k});
        if (seconds == 0) {
            // A bad mark: no time, no activity, nothing to average.
            Require(sel.Activity[k] == 0, "a measurement without time has an activity", k, sel.Activity[k]);
            Require(!alone.ok(), "an average over no time was given", k);
            continue;
        }
        Require(alone.ok(), "the average over one measurement failed", k);
        // One measurement alone averages to its own activity, or to half of it when it was counted across a
        // bad mark or backwards in time and took the doubled factor.
        const int64_t a = sel.Activity[k];
        Require(a == alone.average || Distance(a, 2 * alone.average) <= 1,
                "activity and the average over it disagree", a, alone.average);
        if (seconds < 0)
            Require(a <= 0, "a measurement backwards in time has a positive activity", k, a);
    }
    if (sel.ElapsedTime[n] != 0) {
        // The equilibrium value is half the average over the whole series, each rounded once.
        const AverageResult whole = AverageActivity(sel, sensitivity, {1, n});
        Require(whole.ok(), "the average over the whole series failed");
        Require(Distance(2 * sel.EquilibriumActivity, whole.average) <= 1,
                "equilibrium value is not half the whole average", sel.EquilibriumActivity, whole.average);
    } else {
        Require(sel.EquilibriumActivity == 0, "equilibrium value without time", sel.EquilibriumActivity);
    }
}

void CheckEvaluation(const FileHalf& file, int s) {
    const SeriesEvaluation ev = EvaluateSeries(file, s);
    const int marks = file.MarkCounts(s);
    if (marks < 2 || file.Sensitivity == 0)
        Require(ev.refused(), "a series without measurements or sensitivity was accepted", s, marks);
    if (ev.refused())
        return;

    const SelectedSeries& sel = ev.series;
    const int n = sel.MeasurementCount;
    Require(n == marks - 1, "measurement count is not marks minus one", n, marks);
    Require(sel.CurrentMarks.size() == static_cast<size_t>(n) + 1, "CurrentMarks size",
            sel.CurrentMarks.size());
    Require(sel.ElapsedTime.size() == static_cast<size_t>(n) + 1, "ElapsedTime size", sel.ElapsedTime.size());
    Require(sel.Activity.size() == static_cast<size_t>(n) + 2, "Activity size", sel.Activity.size());
    Require(sel.ElapsedTime[0] == 0, "ElapsedTime[0] is not 0", sel.ElapsedTime[0]);
    Require(sel.Activity[0] == 0 && sel.Activity[n + 1] == 0, "activity sentinels are not 0");
    Require(sel.CurrentYear >= 2000 + file.SeriesYears[s], "CurrentYear went back", sel.CurrentYear);
    Require(sel.CurrentYear <= 2000 + file.SeriesYears[s] + n, "CurrentYear rose more than once per mark",
            sel.CurrentYear);
    Require(sel.DaysInMonth[2] == (sel.CurrentYear % 4 == 0 ? 29 : 28), "February does not follow the year");
    for (int j = 0; j <= n; ++j)
        Require(SameMark(sel.CurrentMarks[j], file.SeriesMarks[s][j]), "CurrentMarks is not a copy", j);
    const int64_t maxActivity = *std::max_element(sel.Activity.begin() + 1, sel.Activity.begin() + n + 1);
    Require(sel.MaxActivity == maxActivity, "MaxActivity is not the largest activity", sel.MaxActivity,
            maxActivity);
    // The largest activity there can be: the doubled factor over one second at a sensitivity of 1.
    for (int k = 1; k <= n; ++k)
        Require(Distance(sel.Activity[k], 0) <= 2560000000LL, "activity beyond the doubled factor", k,
                sel.Activity[k]);
    // At most one message per mark; whether a bad first mark has one of its own is the evaluation's choice.
    Require(ev.messages.size() <= n + 1, "more bad-mark messages than marks", ev.messages.size(), n);
    CheckAverages(sel, file.Sensitivity);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = ViewerBytes(data, size);
    const FileHalf file = ParsedFile(bytes);
    // Opening a file replaces what the last one left: parsing the bytes over the file half the previous
    // input filled must come out the same as parsing them into an empty one.
    static FileHalf previous;
    ParseInstrumentData(bytes, previous);
    CheckSameFile(file, previous);
    for (int s = 1; s <= file.SeriesCount; ++s)
        CheckEvaluation(file, s);
    return 0;
}
