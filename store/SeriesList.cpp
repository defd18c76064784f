#include "store/SeriesList.h"

#include "store/ActivityFactors.h"
#include "store/Calendar.h"
#include "store/Extended.h"
#include "store/MeasurementTexts.h"

#include <QCoreApplication>

const char* const FileErrorText = QT_TRANSLATE_NOOP("SeriesList", "Ошибка в файле");
const char* const UndefinedText = QT_TRANSLATE_NOOP("SeriesList", "не определено");

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("SeriesList", text);
}

// The mean activity over the whole span, from day counts as the list has always computed it; empty when
// there is no span or no sensitivity to divide by.
QString MeanActivityText(int markCount, double start, double end, uint16_t sensitivity) {
    const Extended denominator =
        (static_cast<Extended>(end) - static_cast<Extended>(start)) * sensitivity * 86400.0L;
    if (denominator == 0)
        return Translated(UndefinedText);
    return QString::number(Round(static_cast<Extended>(markCount - 1) * GoodMarkFactor / denominator));
}

} // namespace

QString SensitivityNumber(uint16_t sensitivity) {
    return QStringLiteral("%1.%2").arg(sensitivity / 100).arg(sensitivity % 100, 2, 10, QLatin1Char('0'));
}

QString SensitivityText(uint16_t sensitivity) {
    return SensitivityNumber(sensitivity) + QStringLiteral(" * 10-5 Бк-1 * м3 * c-1");
}

QString ShownSensitivityText(uint16_t sensitivity) {
    return QCoreApplication::translate("SeriesList", "%1 * 10-5 Бк-1 * м3 * c-1")
        .arg(SensitivityNumber(sensitivity));
}

std::array<QString, 5> SeriesListRow(const InstrumentFile& file, int s) {
    std::array<QString, 5> row;
    row[0] = QString::number(s);
    row[1] = QString::number(file.seriesNumbers[s]);
    const std::vector<TimeMark>& marks = file.seriesMarks[s];
    if (marks.empty()) {
        row[2] = row[3] = Translated(UndefinedText);
        return row;
    }

    // The end's year counts every roll-over between the first and the last mark.
    YearTracker years(2000 + file.seriesYears[s]);
    const int startYear = years.advance(marks[0]);
    bool bothValid = IsMarkValid(marks[0], startYear);
    row[2] = bothValid ? ShownMarkText(marks[0]) : Translated(FileErrorText);
    if (marks.size() < 2) {
        row[3] = Translated(UndefinedText);
        return row;
    }
    for (size_t k = 1; k < marks.size(); ++k)
        years.advance(marks[k]);
    const TimeMark& last = marks.back();
    const bool lastValid = IsMarkValid(last, years.year());
    row[3] = lastValid ? ShownMarkText(last) : Translated(FileErrorText);
    bothValid = bothValid && lastValid;

    row[4] = bothValid ? MeanActivityText(static_cast<int>(marks.size()), MarkDays(marks[0], startYear),
                                          MarkDays(last, years.year()), file.sensitivity)
                       : Translated(UndefinedText);
    return row;
}
