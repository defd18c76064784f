// The toolbar of the main window: the flat speed buttons with their glyphs and hints.

#include "app/window/MainWindow.h"

#include "app/window/GlyphIcon.h"

#include <QActionEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

namespace {

constexpr int kButtonSide = 25;
constexpr int kButtonTop = 7; // centred in the 39-pixel toolbar

// A flat button of the toolbar that runs a command and shows its glyph. The glyph is the button's own: the
// command's action has none, since the menu bar would show an icon in place of the help command's caption.
class SpeedButton : public QToolButton {
public:
    SpeedButton(QWidget* parent, QAction* command, const char* glyph)
        : QToolButton(parent), glyph_(GlyphIcon(glyph)) {
        setDefaultAction(command);
        setIcon(glyph_);
    }

protected:
    // The action's changes (enabled, checked) reach the button through here, the icon among them.
    void actionEvent(QActionEvent* event) override {
        QToolButton::actionEvent(event);
        setIcon(glyph_);
    }

private:
    QIcon glyph_;
};

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, QPoint at, QAction* command,
                             const char* glyph) {
    auto* button = new SpeedButton(parent, command, glyph);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(at, QSize(kButtonSide, kButtonSide)));
    button->setAutoRaise(true);
    // Speed buttons never take the focus: keys stay with the window.
    button->setFocusPolicy(Qt::NoFocus);
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
        QAction* MainCommands::*command;
        const char* glyph;
    };
    static const Button buttons[] = {
        {&MainWindow::openButton, OnToolbar, 4, "SBOpen", &MainCommands::open, "open"},
        {&MainWindow::deviceLinkButton, OnToolbar, 30, "SBDevice", &MainCommands::deviceLink, "device"},
        {&MainWindow::saveTableButton, OnToolbar, 56, "SBSaveTable", &MainCommands::saveTable, "savetable"},
        {&MainWindow::seriesListButton, OnToolbar, 82, "SBSer", &MainCommands::seriesList, "series"},
        {&MainWindow::tableButton, OnToolbar, 107, "SBTab", &MainCommands::viewTable, "table"},
        {&MainWindow::averageButton, OnToolbar, 133, "SBMiddle", &MainCommands::average, "average"},
        {&MainWindow::gridButton, OnToolbar, 159, "SBSetka", &MainCommands::grid, "grid"},
        {&MainWindow::printTableButton, OnServicePanel, 3, "SBPrintTable", &MainCommands::printTable,
         "printtable"},
        {&MainWindow::printGraphButton, OnServicePanel, 29, "SBPrintGr", &MainCommands::printGraph,
         "printgraph"},
        {&MainWindow::zoomButton, OnServicePanel, 55, "SBMasGS", &MainCommands::zoom, "zoomin"},
        {&MainWindow::wholeViewButton, OnServicePanel, 80, "SBMasGA", &MainCommands::wholeView, "wholeview"},
        {&MainWindow::firstMeasurementButton, OnServicePanel, 105, "SBToHome",
         &MainCommands::firstMeasurement, "first"},
        {&MainWindow::previousMeasurementButton, OnServicePanel, 130, "SBToLeft",
         &MainCommands::previousMeasurement, "back"},
        {&MainWindow::nextMeasurementButton, OnServicePanel, 156, "SBToRight", &MainCommands::nextMeasurement,
         "forward"},
        {&MainWindow::lastMeasurementButton, OnServicePanel, 182, "SBToEnd", &MainCommands::lastMeasurement,
         "last"},
        {&MainWindow::helpButton, OnToolbar, 620, "SBHelp", &MainCommands::help, "help"},
        {&MainWindow::printerSetupButton, OnSettingsPanel, 2, "SBPrintSetup", &MainCommands::printerSetup,
         "printsetup"},
        {&MainWindow::colorsButton, OnSettingsPanel, 28, "SBColor", &MainCommands::colors, "colors"},
    };
    // Every button stands at the toolbar's kButtonTop, whichever panel holds it.
    QFrame* const panels[] = {toolbar, servicePanel, settingsPanel};
    const int tops[] = {kButtonTop, kButtonTop - servicePanel->y(), kButtonTop - 1};
    for (const Button& b : buttons) {
        this->*b.member =
            MakeSpeedButton(panels[b.place], b.name, {b.x, tops[b.place]}, commands.*b.command, b.glyph);
    }
}
