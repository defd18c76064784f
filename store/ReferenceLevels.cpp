#include "store/ReferenceLevels.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

LevelsParse Refused(const QString& error) {
    return {{}, error};
}

} // namespace

LevelsParse ParseReferenceLevels(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    std::vector<int64_t> levels;
    for (const QString& word : text.split(separators, Qt::SkipEmptyParts)) {
        // Digits only: no sign, no decimals, no exponent, so "1e3" or "-5" cannot slip through toLongLong.
        if (!digits.match(word).hasMatch())
            return Refused(QCoreApplication::translate(
                               "ReferenceLevels", "«%1» — не целое число: уровни вводятся целыми числами "
                                                  "Бк/м³ через запятую, точку с запятой или пробел")
                               .arg(word));
        bool fits = false;
        const int64_t level = word.toLongLong(&fits);
        if (!fits || level > HighestReferenceLevel)
            return Refused(
                QCoreApplication::translate("ReferenceLevels", "Уровень %1 слишком велик: не больше %2 Бк/м³")
                    .arg(word)
                    .arg(HighestReferenceLevel));
        if (level == 0)
            return Refused(QCoreApplication::translate("ReferenceLevels", "Уровень должен быть больше нуля"));
        levels.push_back(level);
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    if (levels.size() > MostReferenceLevels)
        return Refused(QCoreApplication::translate("ReferenceLevels", "Уровней не может быть больше %1")
                           .arg(MostReferenceLevels));
    return {levels, {}};
}

QString ReferenceLevelsText(const std::vector<int64_t>& levels) {
    QStringList words;
    for (int64_t level : levels)
        words.append(QString::number(level));
    return words.join(QStringLiteral(", "));
}

std::optional<int64_t> HighestLevel(const std::vector<int64_t>& levels) {
    if (levels.empty())
        return std::nullopt;
    return *std::max_element(levels.begin(), levels.end());
}
