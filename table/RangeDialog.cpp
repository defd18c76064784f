#include "table/RangeDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>

const char* const VisibleMeasurementsItem =
    QT_TRANSLATE_NOOP("RangeDialog", "Видимые на гистограмме измерения");
const char* const WholeRangeItem = QT_TRANSLATE_NOOP("RangeDialog", "Весь диапазон");
const char* const FromMeasurementItem = QT_TRANSLATE_NOOP("RangeDialog", "Измерения от ");

namespace {

// The three choices, in the order of their buttons; a choice's button id is its place.
enum class RangeChoice { Visible, Whole, From };
constexpr int ChoiceCount = 3;

int IdOf(RangeChoice choice) {
    return static_cast<int>(choice);
}

QSpinBox* SpinField(QWidget* parent, const char* name, QRect geometry) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    field->setRange(0, 0);
    field->setValue(0);
    return field;
}

// The number a field shows, also while its text lies outside its bounds (the spin box itself answers its
// last valid value then, which is not what the user sees); the lower bound when the text is no number.
int ShownNumber(const QSpinBox* field) {
    bool ok = false;
    const int shown = field->cleanText().toInt(&ok);
    return ok ? shown : field->minimum();
}

} // namespace

RangeDialog::RangeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDialog"));
    setWindowTitle(tr("Выбор диапазона"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setGeometry(585, 347, 278, 142);
    setFixedSize(278, 142);
    buildRadioGroup();
    buildButtons();
}

void RangeDialog::buildRadioGroup() {
    rangeGroup = new QGroupBox(this);
    rangeGroup->setObjectName(QStringLiteral("RadioGroup"));
    rangeGroup->setGeometry(0, 0, 278, 106);
    rangeChoices = new QButtonGroup(this);
    const char* const captions[] = {VisibleMeasurementsItem, WholeRangeItem, FromMeasurementItem};
    for (int i = 0; i < ChoiceCount; ++i) {
        auto* item = new QRadioButton(tr(captions[i]), rangeGroup);
        item->setGeometry(8, 14 + 30 * i, i == IdOf(RangeChoice::From) ? 105 : 262, 22);
        rangeChoices->addButton(item, i);
    }
    rangeChoices->button(IdOf(RangeChoice::Whole))->setChecked(true);
    connect(rangeChoices, &QButtonGroup::idClicked, this, [this] { RadioGroupClick(); });

    firstField = SpinField(rangeGroup, "EdBeg", QRect(115, 75, 61, 22));
    toLabel = new QLineEdit(tr("до"), rangeGroup);
    toLabel->setObjectName(QStringLiteral("Edit1"));
    toLabel->setGeometry(180, 79, 23, 23);
    toLabel->setFrame(false);
    // Set 4 pixels lower than the spin fields, its text stands at the top so it reads on their line.
    toLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    toLabel->setEnabled(false);
    toLabel->setStyleSheet(
        QStringLiteral("QLineEdit { background: palette(button); color: palette(text); }"));
    lastField = SpinField(rangeGroup, "EDEnd", QRect(200, 75, 66, 22));
    // Leaving the field runs EdBegExit; Enter confirms the dialog without leaving it.
    firstField->installEventFilter(this);
    lastField->installEventFilter(this);
}

bool RangeDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in a field confirms what the fields show: a spin box handling Enter itself would first put
    // its last valid value in place of a number it holds out of bounds, and OK would confirm that instead.
    if ((watched == firstField || watched == lastField) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BBOkClick();
            return true;
        }
    }
    // Seen before the field tidies its text, so the lower bound follows the value as typed. Focus that goes
    // to another window, or is taken from a disabled field, does not leave the field for another control.
    if (watched == firstField && event->type() == QEvent::FocusOut && firstField->isEnabled()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EdBegExit();
    }
    return QDialog::eventFilter(watched, event);
}

void RangeDialog::buildButtons() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 106, 278, 36);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    okButton = new QPushButton(QStringLiteral("OK"), panel);
    okButton->setObjectName(QStringLiteral("BBOK"));
    okButton->setGeometry(126, 7, 66, 22);
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Отмена"), panel);
    cancelButton->setObjectName(QStringLiteral("BBCancel"));
    // A click on a button leaves the focus in the field, so the field keeps showing what was typed there
    // (it would put its last valid value in place of a number out of bounds on losing the focus), and OK
    // confirms or refuses exactly that.
    okButton->setFocusPolicy(Qt::TabFocus);
    cancelButton->setFocusPolicy(Qt::TabFocus);
    cancelButton->setGeometry(204, 7, 67, 22);
    connect(okButton, &QPushButton::clicked, this, [this] { BBOkClick(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void RangeDialog::showEvent(QShowEvent* event) {
    // Looking the glyphs up in the icon theme is slow; it waits until the dialog is first wanted.
    if (okButton->icon().isNull()) {
        okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    }
    QDialog::showEvent(event);
}

std::optional<MeasurementSpan> RangeDialog::choose(const RangeContext& context) {
    context_ = context;
    FormShow();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return confirmed_;
}

void RangeDialog::FormShow() {
    const int n = context_.measurementCount;
    rangeChoices->button(IdOf(RangeChoice::Whole))->setChecked(true);
    // The lower bound of the first field stays 0; that of the second keeps what leaving the first gave it.
    firstField->setMaximum(n);
    firstField->setValue(1);
    firstField->setEnabled(false);
    lastField->setMaximum(std::max(n, lastField->minimum()));
    lastField->setValue(n);
    lastField->setEnabled(false);
}

void RangeDialog::RadioGroupClick() {
    if (rangeChoices->checkedId() == IdOf(RangeChoice::From)) {
        firstField->setEnabled(true);
        firstField->setFocus();
        firstField->selectAll();
        return;
    }
    firstField->setEnabled(false);
    lastField->setEnabled(false);
}

void RangeDialog::EdBegExit() {
    const int typed = firstField->cleanText().toInt();
    lastField->setMinimum(std::min(typed, lastField->maximum()));
    lastField->setEnabled(true);
    lastField->setFocus();
    lastField->selectAll();
}

MeasurementSpan RangeDialog::chosenSpan() const {
    switch (static_cast<RangeChoice>(rangeChoices->checkedId())) {
    case RangeChoice::Visible:
        return {context_.viewFirst, context_.viewFirst + context_.viewCount - 1};
    case RangeChoice::From:
        return {ShownNumber(firstField), ShownNumber(lastField)};
    case RangeChoice::Whole:
        break;
    }
    return {1, context_.measurementCount};
}

void RangeDialog::BBOkClick() {
    const MeasurementSpan span = chosenSpan();
    if (!IsSpanInSeries(span, context_.measurementCount)) {
        emit spanRefused(SpanOutsideSeriesMessage(context_.measurementCount));
        return;
    }
    confirmed_ = span;
    accept();
}
