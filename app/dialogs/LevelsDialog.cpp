#include "app/dialogs/LevelsDialog.h"

#include "store/ReadingSettings.h"
#include "store/ReferenceLevels.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

const char* const LevelsTitle = QT_TRANSLATE_NOOP("LevelsDialog", "Опорные уровни");

LevelsDialog::LevelsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LevelsDialog"));
    setWindowTitle(tr(LevelsTitle));
    levelsField = new QLineEdit(this);
    levelsField->setObjectName(QStringLiteral("EdLevels"));
    levelsField->setPlaceholderText(tr("например, 100, 200, 300"));
    windowField = new QSpinBox(this);
    windowField->setObjectName(QStringLiteral("EdAverageWindow"));
    windowField->setRange(LeastAverageWindowHours, MostAverageWindowHours);
    windowField->setSuffix(tr(" ч"));
    refusal = new QLabel(this);
    refusal->setObjectName(QStringLiteral("LevelsRefusal"));
    refusal->setWordWrap(true);
    QPalette palette = refusal->palette();
    palette.setColor(QPalette::WindowText, Qt::darkRed);
    refusal->setPalette(palette);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LevelsDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A message shown goes as soon as the line is changed.
    connect(levelsField, &QLineEdit::textEdited, refusal, &QLabel::clear);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Уровни, Бк/м³:"), levelsField);
    form->addRow(refusal);
    form->addRow(tr("Окно скользящего среднего:"), windowField);
    form->addRow(buttons);
}

std::optional<LevelsChoice> LevelsDialog::choose(const LevelsChoice& shown) {
    levelsField->setText(ReferenceLevelsText(shown.levels));
    windowField->setValue(shown.averageWindowHours);
    refusal->clear();
    // Room for the parser's longest message on two lines in the dialog's font, so that the dialog keeps its
    // size when one comes.
    levelsField->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    refusal->setMinimumHeight(2 * fontMetrics().lineSpacing());
    levelsField->setFocus();
    levelsField->selectAll();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen_;
}

void LevelsDialog::confirm() {
    const LevelsParse parsed = ParseReferenceLevels(levelsField->text());
    if (!parsed.ok()) {
        refusal->setText(parsed.error);
        levelsField->setFocus();
        return;
    }
    chosen_ = {parsed.levels, windowField->value()};
    accept();
}
