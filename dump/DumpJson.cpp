#include "dump/DumpJson.h"

#include "store/MeasurementTexts.h"
#include "store/NativePath.h"
#include "store/SeriesEvaluation.h"
#include "store/SeriesList.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

template <typename Container> QJsonArray ToJsonArray(const Container& values) {
    QJsonArray array;
    for (const auto& value : values)
        array.append(QJsonValue(value));
    return array;
}

QJsonArray Int64Array(std::vector<int64_t>::const_iterator first, std::vector<int64_t>::const_iterator last) {
    QJsonArray array;
    for (auto it = first; it != last; ++it)
        array.append(QJsonValue(static_cast<qint64>(*it)));
    return array;
}

QJsonArray RowsJson(const SelectedSeries& series) {
    QJsonArray rows;
    for (int k = 1; k <= series.measurementCount; ++k)
        rows.append(ToJsonArray(MeasurementRowTexts(series, k)));
    return rows;
}

QJsonObject SeriesJson(const InstrumentFile& file, int s) {
    QJsonObject object;
    object[QStringLiteral("ordinal")] = s;
    object[QStringLiteral("number")] = file.seriesNumbers[s];
    object[QStringLiteral("year")] = file.seriesYears[s];
    object[QStringLiteral("marks")] = file.markCount(s);
    object[QStringLiteral("list")] = ToJsonArray(SeriesListRow(file, s));
    object[QStringLiteral("evaluation")] = EvaluationJson(file, s);
    return object;
}

} // namespace

QJsonObject EvaluationJson(const InstrumentFile& file, int s) {
    const SeriesEvaluation evaluation = EvaluateSeries(file, s);
    QJsonObject object;
    object[QStringLiteral("title")] = evaluation.title;
    if (evaluation.refused()) {
        object[QStringLiteral("refused")] = evaluation.refusal;
        return object;
    }
    const SelectedSeries& series = evaluation.series;
    const int n = series.measurementCount;
    object[QStringLiteral("refused")] = QJsonValue::Null;
    object[QStringLiteral("messages")] = QJsonArray::fromStringList(evaluation.messages);
    object[QStringLiteral("n")] = n;
    object[QStringLiteral("max_activity")] = static_cast<qint64>(series.maxActivity);
    object[QStringLiteral("equilibrium_activity")] = static_cast<qint64>(series.equilibriumActivity);
    object[QStringLiteral("elapsed")] = Int64Array(series.elapsedTime.begin(), series.elapsedTime.end());
    object[QStringLiteral("activity")] =
        Int64Array(series.activity.begin() + 1, series.activity.begin() + 1 + n);
    object[QStringLiteral("rows")] = RowsJson(series);
    return object;
}

QJsonObject FileJson(const InstrumentFile& file) {
    QJsonObject object;
    object[QStringLiteral("file")] = ShownPath(FileNamePart(file.dataFileName));
    object[QStringLiteral("device")] = file.deviceNumber;
    object[QStringLiteral("sensitivity")] = file.sensitivity;
    object[QStringLiteral("sensitivity_text")] = SensitivityText(file.sensitivity);
    QJsonArray series;
    for (int s = 1; s <= file.seriesCount; ++s)
        series.append(SeriesJson(file, s));
    object[QStringLiteral("series")] = series;
    return object;
}

QByteArray FileJsonText(const InstrumentFile& file) {
    return QJsonDocument(FileJson(file)).toJson(QJsonDocument::Compact) + '\n';
}
