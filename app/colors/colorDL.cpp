#include "app/colors/colorDL.h"

#include "app/Fonts.h"
#include "app/colors/ColorChooser.h"
#include "app/colors/Shape.h"

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

} // namespace

TFormColorDialog::TFormColorDialog(ColorChooser& chooser, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), chooser_(chooser) {
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

void TFormColorDialog::buildRadioGroup() {
    RadioGroup1 = new QGroupBox(QStringLiteral("Настройте цвета"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(QRect(kGroupAt, QSize(132, 208)));
    RadioItems = new QButtonGroup(this);
    for (int i = 0; i < SchemeSize; ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(ColorItemCaptions[i]), RadioGroup1);
        item->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        // Each item stands level with its swatch.
        const int middle = kSwatchTop + i * kSwatchStep + kSwatchSize.height() / 2 - kGroupAt.y();
        item->setGeometry(8, middle - 9, 120, 18);
        RadioItems->addButton(item, i);
    }
    connect(RadioItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            RadioGroup1Enter(id);
    });
}

void TFormColorDialog::buildSwatches() {
    TShape** fields[SchemeSize] = {&ShapeF, &ShapeO, &ShapeG, &ShapeSh, &ShapeU, &ShapeSet};
    const char* names[SchemeSize] = {"ShapeF", "ShapeO", "ShapeG", "ShapeSh", "ShapeU", "ShapeSet"};
    for (int i = 0; i < SchemeSize; ++i) {
        auto* shape = new TShape(this);
        shape->setObjectName(QString::fromLatin1(names[i]));
        shape->setGeometry(QRect(QPoint(kSwatchX, kSwatchTop + i * kSwatchStep), kSwatchSize));
        *fields[i] = shape;
    }
}

void TFormColorDialog::buildButtons() {
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(13, 243, 68, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });

    BitBtn1 = new QPushButton(QStringLiteral("Цвета по умолчанию"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    QIcon glyph;
    glyph.addFile(QStringLiteral(":/glyphs/defaultcolors.png"), QSize(16, 16));
    glyph.addFile(QStringLiteral(":/glyphs/defaultcolors@2x.png"), QSize(32, 32));
    BitBtn1->setIcon(glyph);
    BitBtn1->setGeometry(94, 243, 171, 27);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

std::array<TShape*, SchemeSize> TFormColorDialog::swatches() const {
    return {ShapeF, ShapeO, ShapeG, ShapeSh, ShapeU, ShapeSet};
}

ColorScheme TFormColorDialog::Scheme() const {
    return {ShapeF->brushColor(),  ShapeO->brushColor(), ShapeG->brushColor(),
            ShapeSh->brushColor(), ShapeU->brushColor(), ShapeSet->brushColor()};
}

void TFormColorDialog::FormCreate() {
    const auto shapes = swatches();
    for (int i = 0; i < SchemeSize; ++i)
        shapes[i]->setBrushColor(FromBgr(DefaultSchemeBgr[i]));
}

void TFormColorDialog::BitBtn1Click() {
    FormCreate();
}

void TFormColorDialog::RadioGroup1Enter(int index) {
    const std::optional<QColor> chosen = chooser_.choose(this, lastChosen_);
    if (!chosen)
        return;
    lastChosen_ = *chosen;
    if (index >= 0 && index < SchemeSize)
        swatches()[index]->setBrushColor(*chosen);
}

void TFormColorDialog::OKBtnClick() {
    hide();
    if (RepaintGraph)
        RepaintGraph();
}

void TFormColorDialog::reject() {
    // Escape does not close the dialog: OK is the only way out.
}

void TFormColorDialog::showEvent(QShowEvent* event) {
    // The toolkit's check-mark comes from the icon theme, which is slow to search: only when first needed.
    if (OKBtn->icon().isNull())
        OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    OKBtn->setFocus();
}

void TFormColorDialog::closeEvent(QCloseEvent* event) {
    // Without a close box the window manager may still ask; the dialog answers only to OK.
    event->ignore();
}
