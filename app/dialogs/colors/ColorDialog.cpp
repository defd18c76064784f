#include "app/dialogs/colors/ColorDialog.h"

#include "app/dialogs/UserDialogs.h"
#include "app/dialogs/colors/ColorSwatch.h"
#include "app/window/Fonts.h"
#include "app/window/GlyphIcon.h"
#include "store/ReadingSettings.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

const char* const ColorItemCaptions[SchemeSize] = {
    QT_TRANSLATE_NOOP("ColorDialog", "Цвет фона"),      QT_TRANSLATE_NOOP("ColorDialog", "Цвет осей"),
    QT_TRANSLATE_NOOP("ColorDialog", "Цвет графика"),   QT_TRANSLATE_NOOP("ColorDialog", "Цвет надписей"),
    QT_TRANSLATE_NOOP("ColorDialog", "Цвет указателя"), QT_TRANSLATE_NOOP("ColorDialog", "Цвет сетки ")};
const char* const WarningItemCaption = QT_TRANSLATE_NOOP("ColorDialog", "Выше уровня");

namespace {

constexpr int kSwatchX = 148;
constexpr int kSwatchTop = 20;
constexpr int kSwatchStep = 31;
constexpr QSize kSwatchSize(72, 27);
constexpr QPoint kGroupAt(5, 6);
constexpr QSize kGroupSize(132, 208);
// The warning colour's row fits between the group and the buttons, its swatch in the swatches' column.
constexpr int kWarningSwatchY = 212;

} // namespace

ColorDialog::ColorDialog(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FormColorDialog"));
    setWindowTitle(tr("Выбор цветов"));
    setFont(WindowFont());
    setFixedSize(277, 281);
    setAttribute(Qt::WA_QuitOnClose, false);
    buildRadioGroup();
    buildSwatches();
    buildButtons();
    buildWarningRow();
    FormCreate();
}

void ColorDialog::buildRadioGroup() {
    colorRoleGroup = new QGroupBox(tr("Настройте цвета"), this);
    colorRoleGroup->setObjectName(QStringLiteral("RadioGroup1"));
    colorRoleGroup->setGeometry(QRect(kGroupAt, kGroupSize));
    colorRoleButtons = new QButtonGroup(this);
    for (int i = 0; i < SchemeSize; ++i) {
        auto* item = new QRadioButton(tr(ColorItemCaptions[i]), colorRoleGroup);
        item->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        // Each item stands level with its swatch.
        const int middle = kSwatchTop + i * kSwatchStep + kSwatchSize.height() / 2 - kGroupAt.y();
        // As wide as the group allows: a wider font than the design's still fits "Цвет указателя".
        item->setGeometry(8, middle - 9, kGroupSize.width() - 10, 18);
        colorRoleButtons->addButton(item, i);
    }
    connect(colorRoleButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            RadioGroup1Enter(id);
    });
}

void ColorDialog::buildSwatches() {
    ColorSwatch** fields[SchemeSize] = {&backgroundSwatch, &axesSwatch,    &graphSwatch,
                                        &captionsSwatch,   &pointerSwatch, &gridSwatch};
    const char* names[SchemeSize] = {"ShapeF", "ShapeO", "ShapeG", "ShapeSh", "ShapeU", "ShapeSet"};
    for (int i = 0; i < SchemeSize; ++i) {
        auto* shape = new ColorSwatch(this);
        shape->setObjectName(QString::fromLatin1(names[i]));
        shape->setGeometry(QRect(QPoint(kSwatchX, kSwatchTop + i * kSwatchStep), kSwatchSize));
        *fields[i] = shape;
    }
}

void ColorDialog::buildButtons() {
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setGeometry(13, 243, 68, 27);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { OKBtnClick(); });

    defaultColorsButton = new QPushButton(tr("Цвета по умолчанию"), this);
    defaultColorsButton->setObjectName(QStringLiteral("BitBtn1"));
    defaultColorsButton->setIcon(GlyphIcon("defaultcolors"));
    defaultColorsButton->setGeometry(94, 243, 171, 27);
    defaultColorsButton->setAutoDefault(false);
    connect(defaultColorsButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void ColorDialog::buildWarningRow() {
    warningSwatch = new ColorSwatch(this);
    warningSwatch->setObjectName(QStringLiteral("ShapeWarning"));
    warningSwatch->setGeometry(QRect(QPoint(kSwatchX, kWarningSwatchY), kSwatchSize));
    warningSwatch->setBrushColor(QColor(ReadingSettings().warningColour));
    warningItem = new QRadioButton(tr(WarningItemCaption), this);
    warningItem->setObjectName(QStringLiteral("RadioItemWarning"));
    // Level with its swatch, in the items' column and as wide as the room before the swatch.
    const int middle = kWarningSwatchY + kSwatchSize.height() / 2;
    warningItem->setGeometry(kGroupAt.x() + 8, middle - 9, kSwatchX - kGroupAt.x() - 10, 18);
    colorRoleButtons->addButton(warningItem, WarningItem);
}

void ColorDialog::setWarningColor(const QColor& color) {
    warningSwatch->setBrushColor(color);
}

std::array<ColorSwatch*, SchemeSize> ColorDialog::swatches() const {
    return {backgroundSwatch, axesSwatch, graphSwatch, captionsSwatch, pointerSwatch, gridSwatch};
}

ColorScheme ColorDialog::scheme() const {
    ColorScheme scheme;
    const auto shapes = swatches();
    for (int i = 0; i < SchemeSize; ++i)
        scheme.*ColorScheme::Roles[i] = shapes[i]->brushColor();
    return scheme;
}

void ColorDialog::setScheme(const ColorScheme& scheme) {
    const auto shapes = swatches();
    for (int i = 0; i < SchemeSize; ++i)
        shapes[i]->setBrushColor(scheme.*ColorScheme::Roles[i]);
    emit schemeChanged(scheme);
}

void ColorDialog::FormCreate() {
    setScheme(ColorScheme());
}

// The warning colour goes back to its default with the six.
void ColorDialog::BitBtn1Click() {
    FormCreate();
    const QColor warning(ReadingSettings().warningColour);
    if (warningSwatch->brushColor() == warning)
        return;
    warningSwatch->setBrushColor(warning);
    emit warningColorChosen(warning);
}

void ColorDialog::RadioGroup1Enter(int index) {
    if (index == WarningItem) {
        const std::optional<QColor> chosen = dialogs_.chooseColor(this, warningSwatch->brushColor());
        if (!chosen)
            return;
        warningSwatch->setBrushColor(*chosen);
        emit warningColorChosen(*chosen);
        return;
    }
    if (index < 0 || index >= SchemeSize)
        return;
    const std::optional<QColor> chosen = dialogs_.chooseColor(this, swatches()[index]->brushColor());
    if (!chosen)
        return;
    swatches()[index]->setBrushColor(*chosen);
    emit schemeChanged(scheme());
}

void ColorDialog::OKBtnClick() {
    accept();
}

void ColorDialog::reject() {
    // Escape does not close the dialog: OK is the only way out.
}

void ColorDialog::showEvent(QShowEvent* event) {
    // The toolkit's check-mark comes from the icon theme, which is slow to search: only when first needed.
    if (okButton->icon().isNull())
        okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    okButton->setFocus();
}

void ColorDialog::closeEvent(QCloseEvent* event) {
    // Without a close box the window manager may still ask; the dialog answers only to OK.
    event->ignore();
}
