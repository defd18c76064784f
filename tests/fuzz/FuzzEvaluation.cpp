// libFuzzer target "evaluation": any bytes as an instrument file, parsed a second time over the file half
// the previous input left, and every series of it evaluated as the viewer evaluates the series the user
// chooses, with the averages the range dialog would give. The results are held to what must hold whatever
// the marks: sizes, sentinels, the maximum, the year; and every elapsed time, activity, the maximum and the
// equilibrium value to the last unit of the model of the evaluation the tests keep apart from it, so that
// a measurement given the wrong factor (the single one backwards in time) is caught.

#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/EvaluationModel.h"

#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"

namespace {

void CheckSameFile(const InstrumentFile& a, const InstrumentFile& b) {
    Require(a.deviceNumber == b.deviceNumber, "device number differs on re-parse");
    Require(a.sensitivity == b.sensitivity, "sensitivity differs on re-parse");
    Require(a.seriesCount == b.seriesCount, "series count differs on re-parse", a.seriesCount, b.seriesCount);
    for (int s = 1; s <= a.seriesCount; ++s) {
        Require(a.seriesNumbers[s] == b.seriesNumbers[s], "series number differs on re-parse", s);
        Require(a.seriesYears[s] == b.seriesYears[s], "series year differs on re-parse", s);
        Require(a.markCount(s) == b.markCount(s), "mark count differs on re-parse", s);
        for (int m = 0; m < a.markCount(s); ++m)
            Require(SameMark(a.seriesMarks[s][m], b.seriesMarks[s][m]), "mark differs on re-parse", s, m);
    }
}

int64_t Distance(int64_t a, int64_t b) {
    return a > b ? a - b : b - a;
}

void CheckAverages(const SelectedSeries& sel, uint16_t sensitivity) {
    const int n = sel.measurementCount;
    for (int k = 1; k <= n; ++k) {
        const int64_t seconds = sel.elapsedTime[k] - sel.elapsedTime[k - 1];
        const AverageResult alone = AverageActivity(sel, sensitivity, {k, k});
        if (seconds == 0) {
            // A bad mark: no time, no activity, nothing to average.
            Require(sel.activity[k] == 0, "a measurement without time has an activity", k, sel.activity[k]);
            Require(!alone.ok(), "an average over no time was given", k);
            continue;
        }
        Require(alone.ok(), "the average over one measurement failed", k);
        // One measurement alone averages to its own activity, or to half of it when it was counted across a
        // bad mark or backwards in time and took the doubled factor.
        const int64_t a = sel.activity[k];
        Require(a == alone.value() || Distance(a, 2 * alone.value()) <= 1,
                "activity and the average over it disagree", a, alone.value());
        if (seconds < 0)
            Require(a <= 0, "a measurement backwards in time has a positive activity", k, a);
    }
    if (sel.elapsedTime[n] != 0) {
        // The equilibrium value is half the average over the whole series, each rounded once.
        const AverageResult whole = AverageActivity(sel, sensitivity, {1, n});
        Require(whole.ok(), "the average over the whole series failed");
        Require(Distance(2 * sel.equilibriumActivity, whole.value()) <= 1,
                "equilibrium value is not half the whole average", sel.equilibriumActivity, whole.value());
    } else {
        Require(sel.equilibriumActivity == 0, "equilibrium value without time", sel.equilibriumActivity);
    }
}

void CheckAgainstModel(const InstrumentFile& file, int s, const SeriesEvaluation& ev) {
    using namespace evaluation_model;
    ModelOutOfRange() = false;
    const ModelResult model = Model(file.seriesMarks[s], file.seriesYears[s], file.sensitivity);
    if (ModelOutOfRange())
        return;
    Require(ev.refused() == model.refused, "the model and the evaluation disagree on refusal", s);
    if (model.refused)
        return;
    const SelectedSeries& sel = ev.series;
    for (int k = 1; k <= sel.measurementCount; ++k) {
        Require(sel.elapsedTime[k] == model.elapsed[k], "elapsed time differs from the model", k,
                sel.elapsedTime[k]);
        Require(sel.activity[k] == model.activity[k], "activity differs from the model (factor?)",
                sel.activity[k], model.activity[k]);
    }
    Require(sel.maxActivity == model.maxActivity, "maximum differs from the model", sel.maxActivity,
            model.maxActivity);
    Require(sel.equilibriumActivity == model.equilibrium, "equilibrium differs from the model",
            sel.equilibriumActivity, model.equilibrium);
}

void CheckEvaluation(const InstrumentFile& file, int s) {
    const SeriesEvaluation ev = EvaluateSeries(file, s);
    const int marks = file.markCount(s);
    if (marks < 2 || file.sensitivity == 0)
        Require(ev.refused(), "a series without measurements or sensitivity was accepted", s, marks);
    if (ev.refused())
        return;

    const SelectedSeries& sel = ev.series;
    const int n = sel.measurementCount;
    Require(n == marks - 1, "measurement count is not marks minus one", n, marks);
    Require(sel.currentMarks.size() == static_cast<size_t>(n) + 1, "CurrentMarks size",
            sel.currentMarks.size());
    Require(sel.elapsedTime.size() == static_cast<size_t>(n) + 1, "ElapsedTime size", sel.elapsedTime.size());
    Require(sel.activity.size() == static_cast<size_t>(n) + 2, "Activity size", sel.activity.size());
    Require(sel.elapsedTime[0] == 0, "ElapsedTime[0] is not 0", sel.elapsedTime[0]);
    Require(sel.activity[0] == 0 && sel.activity[n + 1] == 0, "activity sentinels are not 0");
    Require(sel.currentYear >= 2000 + file.seriesYears[s], "CurrentYear went back", sel.currentYear);
    Require(sel.currentYear <= 2000 + file.seriesYears[s] + n, "CurrentYear rose more than once per mark",
            sel.currentYear);
    Require(sel.daysInMonth[2] == (sel.currentYear % 4 == 0 ? 29 : 28), "February does not follow the year");
    for (int j = 0; j <= n; ++j)
        Require(SameMark(sel.currentMarks[j], file.seriesMarks[s][j]), "CurrentMarks is not a copy", j);
    const int64_t maxActivity = *std::max_element(sel.activity.begin() + 1, sel.activity.begin() + n + 1);
    Require(sel.maxActivity == maxActivity, "MaxActivity is not the largest activity", sel.maxActivity,
            maxActivity);
    // The largest activity there can be: the doubled factor over one second at a sensitivity of 1.
    for (int k = 1; k <= n; ++k)
        Require(Distance(sel.activity[k], 0) <= 2560000000LL, "activity beyond the doubled factor", k,
                sel.activity[k]);
    // At most one message per mark; whether a bad first mark has one of its own is the evaluation's choice.
    Require(ev.messages.size() <= n + 1, "more bad-mark messages than marks", ev.messages.size(), n);
    CheckAverages(sel, file.sensitivity);
    CheckAgainstModel(file, s, ev);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = ViewerBytes(data, size);
    const InstrumentFile file = ParsedFile(bytes);
    // Opening a file replaces what the last one left: parsing the bytes over the file half the previous
    // input filled must come out the same as parsing them into an empty one.
    static InstrumentFile previous;
    ParseInstrumentData(bytes, previous);
    CheckSameFile(file, previous);
    for (int s = 1; s <= file.seriesCount; ++s)
        CheckEvaluation(file, s);
    return 0;
}
