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
    servicePanel = Panel(toolbar, "PlService");
    servicePanel->setGeometry(184, 2, 216, 35);
    // settingsPanel keeps to the right edge whatever the window's width.
    settingsPanel = Panel(toolbar, "Panel3");
    settingsPanel->setFixedWidth(56);
    auto* layout = new QHBoxLayout(toolbar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(settingsPanel);

    enum Place { OnToolbar, OnServicePanel, OnSettingsPanel };
    struct Button {
        QToolButton* MainWindow::*member;
        Place place;
        int x;
        const char* name;
        const char* hint;
        const char* glyph;
        bool enabled; // at start
    };
    static const Button buttons[] = {
        {&MainWindow::openButton, OnToolbar, 4, "SBOpen", "Открыть файл ...", "open", true},
        {&MainWindow::deviceLinkButton, OnToolbar, 30, "SBDevice", "Связь с прибором", "device", true},
        {&MainWindow::saveTableButton, OnToolbar, 56, "SBSaveTable", "Сохранить таблицу", "savetable", false},
        {&MainWindow::seriesListButton, OnToolbar, 82, "SBSer", "Показать все серии", "series", false},
        {&MainWindow::tableButton, OnToolbar, 107, "SBTab", "Таблица измерений", "table", false},
        {&MainWindow::averageButton, OnToolbar, 133, "SBMiddle", "Усреднение", "average", false},
        {&MainWindow::gridButton, OnToolbar, 159, "SBSetka", "Сетка", "grid", false},
        {&MainWindow::printTableButton, OnServicePanel, 3, "SBPrintTable", "Печать таблицы", "printtable",
         false},
        {&MainWindow::printGraphButton, OnServicePanel, 29, "SBPrintGr", "Печать графика", "printgraph",
         false},
        {&MainWindow::zoomButton, OnServicePanel, 55, "SBMasGS", "Увеличение", "zoomin", false},
        {&MainWindow::wholeViewButton, OnServicePanel, 80, "SBMasGA", "Первоначальный вид", "wholeview",
         false},
        {&MainWindow::firstMeasurementButton, OnServicePanel, 105, "SBToHome", "Первое измерение", "first",
         false},
        {&MainWindow::previousMeasurementButton, OnServicePanel, 130, "SBToLeft", "Назад", "back", false},
        {&MainWindow::nextMeasurementButton, OnServicePanel, 156, "SBToRight", "Вперед", "forward", false},
        {&MainWindow::lastMeasurementButton, OnServicePanel, 182, "SBToEnd", "Последнее измерение", "last",
         false},
        {&MainWindow::helpButton, OnToolbar, 620, "SBHelp", "Помощь", "help", true},
        {&MainWindow::printerSetupButton, OnSettingsPanel, 2, "SBPrintSetup", "Настройка принтера",
         "printsetup", false},
        {&MainWindow::colorsButton, OnSettingsPanel, 28, "SBColor", "Настройка цветов", "colors", false},
    };
    // Every button stands at the toolbar's kButtonTop, whichever panel holds it.
    QFrame* const panels[] = {toolbar, servicePanel, settingsPanel};
    const int tops[] = {kButtonTop, kButtonTop - servicePanel->y(), kButtonTop - 1};
    for (const Button& b : buttons) {
        QToolButton* button = SpeedButton(panels[b.place], b.name, {b.x, tops[b.place]}, b.hint, b.glyph);
        button->setEnabled(b.enabled);
        this->*b.member = button;
    }
    gridButton->setCheckable(true);
}
