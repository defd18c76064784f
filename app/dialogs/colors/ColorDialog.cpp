#include "app/dialogs/colors/ColorDialog.h"

#include "app/dialogs/UserDialogs.h"
#include "app/dialogs/colors/ColorSwatch.h"
#include "app/window/Fonts.h"
#include "app/window/GlyphIcon.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

const char* const ColorItemCaptions[SchemeSize] = {"Цвет фона",     "Цвет осей",      "Цвет графика",
                                                   "Цвет надписей", "Цвет указателя", "Цвет сетки "};

namespace {

constexpr int kSwatchX = 148;
constexpr int kSwatchTop = 20;
constexpr int kSwatchStep = 31;
constexpr QSize kSwatchSize(72, 27);
constexpr QPoint kGroupAt(5, 6);
constexpr QSize kGroupSize(132, 208);

} // namespace

ColorDialog::ColorDialog(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FormColorDialog"));
    setWindowTitle(QStringLiteral("Выбор цветов"));
    setFont(WindowFont());
    setFixedSize(277, 281);
    setAttribute(Qt::WA_QuitOnClose, false);
    buildRadioGroup();
    buildSwatches();
    buildButtons();
    FormCreate();
}

void ColorDialog::buildRadioGroup() {
    colorRoleGroup = new QGroupBox(QStringLiteral("Настройте цвета"), this);
    colorRoleGroup->setObjectName(QStringLiteral("RadioGroup1"));
    colorRoleGroup->setGeometry(QRect(kGroupAt, kGroupSize));
    colorRoleButtons = new QButtonGroup(this);
    for (int i = 0; i < SchemeSize; ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(ColorItemCaptions[i]), colorRoleGroup);
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

    defaultColorsButton = new QPushButton(QStringLiteral("Цвета по умолчанию"), this);
    defaultColorsButton->setObjectName(QStringLiteral("BitBtn1"));
    defaultColorsButton->setIcon(GlyphIcon("defaultcolors"));
    defaultColorsButton->setGeometry(94, 243, 171, 27);
    defaultColorsButton->setAutoDefault(false);
    connect(defaultColorsButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
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

void ColorDialog::BitBtn1Click() {
    FormCreate();
}

void ColorDialog::RadioGroup1Enter(int index) {
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
