#include "table/Dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>

const char* const VisibleMeasurementsItem = "Видимые на гистограмме измерения";
const char* const WholeRangeItem = "Весь диапазон";
const char* const FromMeasurementItem = "Измерения от ";

namespace {

enum Item { VisibleItem = 0, WholeItem = 1, FromItem = 2 };

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

TFormDialog::TFormDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDialog"));
    setWindowTitle(QStringLiteral("Выбор диапазона"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setGeometry(585, 347, 278, 142);
    setFixedSize(278, 142);
    showError = [](QWidget* owner, const QString& text) {
        QMessageBox::warning(owner, QStringLiteral("Выбор диапазона"), text);
    };
    buildRadioGroup();
    buildButtons();
}

void TFormDialog::buildRadioGroup() {
    RadioGroup = new QGroupBox(this);
    RadioGroup->setObjectName(QStringLiteral("RadioGroup"));
    RadioGroup->setGeometry(0, 0, 278, 106);
    RadioItems = new QButtonGroup(this);
    const char* const captions[] = {VisibleMeasurementsItem, WholeRangeItem, FromMeasurementItem};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(captions[i]), RadioGroup);
        item->setGeometry(8, 14 + 30 * i, i == FromItem ? 105 : 262, 22);
        RadioItems->addButton(item, i);
    }
    RadioItems->button(WholeItem)->setChecked(true);
    connect(RadioItems, &QButtonGroup::idClicked, this, [this] { RadioGroupClick(); });

    EdBeg = SpinField(RadioGroup, "EdBeg", QRect(115, 75, 61, 22));
    Edit1 = new QLineEdit(QStringLiteral("до"), RadioGroup);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(180, 79, 23, 23);
    Edit1->setFrame(false);
    // Set 4 pixels lower than the spin fields, its text stands at the top so it reads on their line.
    Edit1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Edit1->setEnabled(false);
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { background: palette(button); color: palette(text); }"));
    EDEnd = SpinField(RadioGroup, "EDEnd", QRect(200, 75, 66, 22));
    // Leaving the field runs EdBegExit; Enter confirms the dialog without leaving it.
    EdBeg->installEventFilter(this);
    EDEnd->installEventFilter(this);
}

bool TFormDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in a field confirms what the fields show: a spin box handling Enter itself would first put
    // its last valid value in place of a number it holds out of bounds, and OK would confirm that instead.
    if ((watched == EdBeg || watched == EDEnd) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BBOkClick();
            return true;
        }
    }
    // Seen before the field tidies its text, so the lower bound follows the value as typed. Focus that goes
    // to another window, or is taken from a disabled field, does not leave the field for another control.
    if (watched == EdBeg && event->type() == QEvent::FocusOut && EdBeg->isEnabled()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EdBegExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormDialog::buildButtons() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 106, 278, 36);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    BBOK = new QPushButton(QStringLiteral("OK"), panel);
    BBOK->setObjectName(QStringLiteral("BBOK"));
    BBOK->setGeometry(126, 7, 66, 22);
    BBOK->setDefault(true);
    BBCancel = new QPushButton(QStringLiteral("Отмена"), panel);
    BBCancel->setObjectName(QStringLiteral("BBCancel"));
    // A click on a button leaves the focus in the field, so the field keeps showing what was typed there
    // (it would put its last valid value in place of a number out of bounds on losing the focus), and OK
    // confirms or refuses exactly that.
    BBOK->setFocusPolicy(Qt::TabFocus);
    BBCancel->setFocusPolicy(Qt::TabFocus);
    BBCancel->setGeometry(204, 7, 67, 22);
    connect(BBOK, &QPushButton::clicked, this, [this] { BBOkClick(); });
    connect(BBCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormDialog::showEvent(QShowEvent* event) {
    // Looking the glyphs up in the icon theme is slow; it waits until the dialog is first wanted.
    if (BBOK->icon().isNull()) {
        BBOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        BBCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    }
    QDialog::showEvent(event);
}

std::optional<MeasurementSpan> TFormDialog::Choose(const RangeContext& context) {
    context_ = context;
    FormShow();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return confirmed_;
}

void TFormDialog::FormShow() {
    const int n = context_.measurementCount;
    RadioItems->button(WholeItem)->setChecked(true);
    // The lower bound of the first field stays 0; that of the second keeps what leaving the first gave it.
    EdBeg->setMaximum(n);
    EdBeg->setValue(1);
    EdBeg->setEnabled(false);
    EDEnd->setMaximum(std::max(n, EDEnd->minimum()));
    EDEnd->setValue(n);
    EDEnd->setEnabled(false);
}

void TFormDialog::RadioGroupClick() {
    if (RadioItems->checkedId() == FromItem) {
        EdBeg->setEnabled(true);
        EdBeg->setFocus();
        EdBeg->selectAll();
        return;
    }
    EdBeg->setEnabled(false);
    EDEnd->setEnabled(false);
}

void TFormDialog::EdBegExit() {
    const int typed = EdBeg->cleanText().toInt();
    EDEnd->setMinimum(std::min(typed, EDEnd->maximum()));
    EDEnd->setEnabled(true);
    EDEnd->setFocus();
    EDEnd->selectAll();
}

MeasurementSpan TFormDialog::ChosenSpan() const {
    switch (RadioItems->checkedId()) {
    case VisibleItem:
        return {context_.viewFirst, context_.viewFirst + context_.viewCount - 1};
    case FromItem:
        return {ShownNumber(EdBeg), ShownNumber(EDEnd)};
    default:
        return {1, context_.measurementCount};
    }
}

void TFormDialog::BBOkClick() {
    const MeasurementSpan span = ChosenSpan();
    if (!IsSpanInSeries(span, context_.measurementCount)) {
        showError(this, SpanOutsideSeriesMessage(context_.measurementCount));
        return;
    }
    confirmed_ = span;
    accept();
}
