// The toolbar of the main window: the flat speed buttons with their glyphs and hints.

#include "app/MainWindow.h"

#include "app/GlyphIcon.h"

#include <QFrame>
#include <QHBoxLayout>
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
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(16, 16));
    return button;
}

QFrame* Panel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

} // namespace

void MainWindow::buildToolbar() {
    toolbar = Panel(nullptr, "Panel1");
    toolbar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    toolbar->setFixedHeight(39);

    openButton = SpeedButton(toolbar, "SBOpen", {4, kButtonTop}, "Открыть файл ...", "open");
    deviceLinkButton = SpeedButton(toolbar, "SBDevice", {30, kButtonTop}, "Связь с прибором", "device");
    saveTableButton = SpeedButton(toolbar, "SBSaveTable", {56, kButtonTop}, "Сохранить таблицу", "savetable");
    seriesListButton = SpeedButton(toolbar, "SBSer", {82, kButtonTop}, "Показать все серии", "series");
    tableButton = SpeedButton(toolbar, "SBTab", {107, kButtonTop}, "Таблица измерений", "table");
    averageButton = SpeedButton(toolbar, "SBMiddle", {133, kButtonTop}, "Усреднение", "average");
    gridButton = SpeedButton(toolbar, "SBSetka", {159, kButtonTop}, "Сетка", "grid");
    gridButton->setCheckable(true);

    servicePanel = Panel(toolbar, "PlService");
    servicePanel->setGeometry(184, 2, 216, 35);
    const int top = kButtonTop - servicePanel->y();
    printTableButton = SpeedButton(servicePanel, "SBPrintTable", {3, top}, "Печать таблицы", "printtable");
    printGraphButton = SpeedButton(servicePanel, "SBPrintGr", {29, top}, "Печать графика", "printgraph");
    zoomButton = SpeedButton(servicePanel, "SBMasGS", {55, top}, "Увеличение", "zoomin");
    wholeViewButton = SpeedButton(servicePanel, "SBMasGA", {80, top}, "Первоначальный вид", "wholeview");
    firstMeasurementButton = SpeedButton(servicePanel, "SBToHome", {105, top}, "Первое измерение", "first");
    previousMeasurementButton = SpeedButton(servicePanel, "SBToLeft", {130, top}, "Назад", "back");
    nextMeasurementButton = SpeedButton(servicePanel, "SBToRight", {156, top}, "Вперед", "forward");
    lastMeasurementButton = SpeedButton(servicePanel, "SBToEnd", {182, top}, "Последнее измерение", "last");

    helpButton = SpeedButton(toolbar, "SBHelp", {620, kButtonTop}, "Помощь", "help");

    // settingsPanel keeps to the right edge whatever the window's width.
    settingsPanel = Panel(toolbar, "Panel3");
    settingsPanel->setFixedWidth(56);
    auto* layout = new QHBoxLayout(toolbar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(settingsPanel);
    const int panel3Top = kButtonTop - 1;
    printerSetupButton =
        SpeedButton(settingsPanel, "SBPrintSetup", {2, panel3Top}, "Настройка принтера", "printsetup");
    colorsButton = SpeedButton(settingsPanel, "SBColor", {28, panel3Top}, "Настройка цветов", "colors");

    for (QToolButton* b :
         {saveTableButton, seriesListButton, tableButton, averageButton, gridButton, printTableButton,
          printGraphButton, zoomButton, wholeViewButton, firstMeasurementButton, previousMeasurementButton,
          nextMeasurementButton, lastMeasurementButton, printerSetupButton, colorsButton})
        b->setEnabled(false);
}
