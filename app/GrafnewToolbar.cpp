// The toolbar of the main window: the flat speed buttons with their glyphs and hints.

#include "app/Grafnew.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

namespace {

constexpr int kButtonSide = 25;
constexpr int kButtonTop = 7; // centred in the 39-pixel toolbar

QToolButton* SpeedButton(QWidget* parent, const char* name, QPoint at, const char* hint, const char* glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(at, QSize(kButtonSide, kButtonSide)));
    button->setAutoRaise(true);
    // Speed buttons never take the focus: keys stay with the window.
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(QString::fromUtf8(hint));
    // With their sizes given, the images are read only when first drawn.
    QIcon icon;
    icon.addFile(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(glyph)), QSize(16, 16));
    icon.addFile(QStringLiteral(":/glyphs/%1@2x.png").arg(QLatin1String(glyph)), QSize(32, 32));
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    return button;
}

QFrame* Panel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

} // namespace

void TForm1::buildToolbar() {
    Panel1 = Panel(nullptr, "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(39);

    SBOpen = SpeedButton(Panel1, "SBOpen", {4, kButtonTop}, "Открыть файл ...", "open");
    SBDevice = SpeedButton(Panel1, "SBDevice", {30, kButtonTop}, "Связь с прибором", "device");
    SBSaveTable = SpeedButton(Panel1, "SBSaveTable", {56, kButtonTop}, "Сохранить таблицу", "savetable");
    SBSer = SpeedButton(Panel1, "SBSer", {82, kButtonTop}, "Показать все серии", "series");
    SBTab = SpeedButton(Panel1, "SBTab", {107, kButtonTop}, "Таблица измерений", "table");
    SBMiddle = SpeedButton(Panel1, "SBMiddle", {133, kButtonTop}, "Усреднение", "average");
    SBSetka = SpeedButton(Panel1, "SBSetka", {159, kButtonTop}, "Сетка", "grid");
    SBSetka->setCheckable(true);

    PlService = Panel(Panel1, "PlService");
    PlService->setGeometry(184, 2, 216, 35);
    const int top = kButtonTop - PlService->y();
    SBPrintTable = SpeedButton(PlService, "SBPrintTable", {3, top}, "Печать таблицы", "printtable");
    SBPrintGr = SpeedButton(PlService, "SBPrintGr", {29, top}, "Печать графика", "printgraph");
    SBMasGS = SpeedButton(PlService, "SBMasGS", {55, top}, "Увеличение", "zoomin");
    SBMasGA = SpeedButton(PlService, "SBMasGA", {80, top}, "Первоначальный вид", "wholeview");
    SBToHome = SpeedButton(PlService, "SBToHome", {105, top}, "Первое измерение", "first");
    SBToLeft = SpeedButton(PlService, "SBToLeft", {130, top}, "Назад", "back");
    SBToRight = SpeedButton(PlService, "SBToRight", {156, top}, "Вперед", "forward");
    SBToEnd = SpeedButton(PlService, "SBToEnd", {182, top}, "Последнее измерение", "last");

    SBHelp = SpeedButton(Panel1, "SBHelp", {620, kButtonTop}, "Помощь", "help");

    // Panel3 keeps to the right edge whatever the window's width.
    Panel3 = Panel(Panel1, "Panel3");
    Panel3->setFixedWidth(56);
    auto* layout = new QHBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(Panel3);
    const int panel3Top = kButtonTop - 1;
    SBPrintSetup = SpeedButton(Panel3, "SBPrintSetup", {2, panel3Top}, "Настройка принтера", "printsetup");
    SBColor = SpeedButton(Panel3, "SBColor", {28, panel3Top}, "Настройка цветов", "colors");

    for (QToolButton* b : {SBSaveTable, SBSer, SBTab, SBMiddle, SBSetka, SBPrintTable, SBPrintGr, SBMasGS,
                           SBMasGA, SBToHome, SBToLeft, SBToRight, SBToEnd, SBPrintSetup, SBColor})
        b->setEnabled(false);
}
