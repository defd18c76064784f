#include "store/SeriesEvaluation.h"

#include "store/ActivityFactors.h"
#include "store/Calendar.h"
#include "store/Extended.h"
#include "store/MeasurementTexts.h"
#include "store/NativePath.h"
#include "store/SpanStatistics.h"

#include <QCoreApplication>

#include <algorithm>

const char* const NoMeasurementsMessage =
    QT_TRANSLATE_NOOP("SeriesEvaluation", "Серия не определена. Нет  измерений");
const char* const ZeroSensitivityMessage = QT_TRANSLATE_NOOP(
    "SeriesEvaluation",
    "Чувствительность прибора равна нулю: активность вычислить нельзя. Серия не определена");

namespace {

constexpr Extended kRelativeError = 0.15L;

// Walks the marks of one series and fills the elapsed times and activities. A bad mark (invalid, or no
// time after the last good one) gets no time of its own and no activity; the next good measurement counts
// from the last good mark and takes the doubled factor.
class MarkWalk {
public:
    MarkWalk(const InstrumentFile& file, int s, SeriesEvaluation& result)
        : marks_(file.seriesMarks[s]), sensitivity_(file.sensitivity), years_(2000 + file.seriesYears[s]),
          result_(result), out_(result.series) {}

    // False when mark 0 cannot start the series.
    bool start() {
        const int year = years_.advance(marks_[0]);
        if (!IsMarkValid(marks_[0], year))
            return false;
        lastGood_ = MarkSeconds(marks_[0], year);
        const auto n = static_cast<int>(marks_.size()) - 1;
        out_.measurementCount = static_cast<uint16_t>(n);
        out_.currentMarks = marks_;
        out_.elapsedTime.assign(n + 1, 0);
        out_.activity.assign(n + 2, 0);
        return true;
    }

    void run() {
        for (int k = 1; k <= out_.measurementCount; ++k)
            step(k);
        out_.currentYear = static_cast<uint16_t>(years_.year());
        out_.daysInMonth[2] = out_.currentYear % 4 == 0 ? 29 : 28;
    }

private:
    void step(int k) {
        const TimeMark& mark = marks_[k];
        const int year = years_.advance(mark);
        auto& elapsed = out_.elapsedTime;
        elapsed[k] = elapsed[k - 1];
        if (!IsMarkValid(mark, year))
            return badMark(k);
        const int64_t t = MarkSeconds(mark, year);
        const int64_t d = t - lastGood_;
        if (d == 0)
            return badMark(k);
        elapsed[k] += d;
        const Extended factor = previousGood_ && d > 0 ? GoodMarkFactor : AfterBadMarkFactor;
        out_.activity[k] = Round(factor / static_cast<Extended>(int64_t{sensitivity_} * d));
        lastGood_ = t;
        previousGood_ = true;
    }

    void badMark(int k) {
        result_.messages.append(BadMarkMessage(k, marks_[k]));
        previousGood_ = false;
    }

    const std::vector<TimeMark>& marks_;
    const uint16_t sensitivity_;
    YearTracker years_;
    SeriesEvaluation& result_;
    SelectedSeries& out_;
    int64_t lastGood_ = 0;
    bool previousGood_ = true;
};

} // namespace

QString BadMarkMessage(int k, const TimeMark& mark) {
    return QCoreApplication::translate("SeriesEvaluation",
                                       "Ошибка в файле. № изм=%1  Мес=%2  День=%3  Час=%4  Мин=%5  Сек=%6")
        .arg(k)
        .arg(mark.month)
        .arg(mark.day)
        .arg(mark.hour)
        .arg(mark.minute)
        .arg(mark.second);
}

QString SeriesTitleText(const QString& dataFileName, uint16_t seriesNumber) {
    return QStringLiteral("Файл ") + ShownPath(FileNamePart(dataFileName)) + QStringLiteral("; Серия N ") +
           QString::number(seriesNumber);
}

QString ShownSeriesTitleText(const QString& dataFileName, uint16_t seriesNumber) {
    return QCoreApplication::translate("SeriesEvaluation", "Файл %1; Серия N %2")
        .arg(ShownPath(FileNamePart(dataFileName)), QString::number(seriesNumber));
}

SeriesEvaluation EvaluateSeries(const InstrumentFile& file, int s) {
    SeriesEvaluation result;
    result.title = SeriesTitleText(file.dataFileName, file.seriesNumbers[s]);
    result.shownTitle = ShownSeriesTitleText(file.dataFileName, file.seriesNumbers[s]);
    const std::vector<TimeMark>& marks = file.seriesMarks[s];
    if (marks.size() < 2) {
        result.refusal = QCoreApplication::translate("SeriesEvaluation", NoMeasurementsMessage);
        return result;
    }
    if (file.sensitivity == 0) {
        result.refusal = QCoreApplication::translate("SeriesEvaluation", ZeroSensitivityMessage);
        return result;
    }
    MarkWalk walk(file, s, result);
    if (!walk.start()) {
        result.refusal = BadMarkMessage(0, marks[0]);
        return result;
    }
    walk.run();

    SelectedSeries& out = result.series;
    const auto& activity = out.activity;
    out.maxActivity = *std::max_element(activity.begin() + 1, activity.begin() + 1 + out.measurementCount);
    // No time elapsed over the series leaves no mean to halve.
    out.equilibriumActivity = SpanEquilibrium(out, file.sensitivity, {1, out.measurementCount}).value_or(0);
    out.seriesTitle = result.title;
    out.shownTitle = result.shownTitle;
    return result;
}

int64_t ActivityError(int64_t activity) {
    return Round(static_cast<Extended>(activity) * kRelativeError);
}

QString ActivityWithErrorText(int64_t activity) {
    return QString::number(activity) + QStringLiteral("±") + QString::number(ActivityError(activity));
}

RowTexts MeasurementRowTexts(const SelectedSeries& series, int k) {
    return {QString::number(k), MarkToText(series.currentMarks[k - 1]), MarkToText(series.currentMarks[k]),
            ActivityWithErrorText(series.activity[k]),
            QString::number(series.elapsedTime[k] - series.elapsedTime[k - 1])};
}

RowTexts ShownMeasurementRowTexts(const SelectedSeries& series, int k) {
    RowTexts row = MeasurementRowTexts(series, k);
    row[1] = ShownMarkText(series.currentMarks[k - 1]);
    row[2] = ShownMarkText(series.currentMarks[k]);
    return row;
}
