#include "app/MainWindow.h"

#include "app/BlankGraph.h"
#include "app/CommandStates.h"
#include "app/Fonts.h"
#include "app/GraphWidget.h"
#include "app/HelpViewer.h"
#include "app/ShellServices.h"
#include "app/StatusPanels.h"
#include "app/ViewHooks.h"
#include "app/colors/ColorDialog.h"
#include "desktop/AppIcon.h"
#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "store/SeriesList.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

namespace {

const char* const kHelpFile = "help.hlp";
const char* const kHelpTopic = "About_Clearscan32";
const char* const kLinkProgram = "devsync.exe";

constexpr QSize kClientSize(707, 499); // below the menu bar

// Without a title bar minimise button, with the maximise button.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                                         Qt::WindowCloseButtonHint;

} // namespace

MainWindow::MainWindow(const ShellServicesSet& services, QWidget* parent)
    : QMainWindow(parent, kWindowFlags), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Визуализация данных"));
    setWindowIcon(AppIcon());
    setFont(WindowFont());

    buildMenu();
    buildToolbar();
    graphWidget = new GraphWidget;
    buildInfoPanel();
    buildStatusBar();
    auto* client = new QWidget;
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(toolbar);
    column->addWidget(graphWidget, 1);
    column->addWidget(infoPanel);
    setCentralWidget(client);

    commands_ = {fileMenu->menuAction(),
                 openAction,
                 deviceLinkAction,
                 saveTableAction,
                 printSeparator,
                 printMenu->menuAction(),
                 printTableAction,
                 printGraphAction,
                 exitSeparator,
                 exitAction,
                 viewMenu->menuAction(),
                 seriesListAction,
                 viewTableAction,
                 firstMeasurementAction,
                 nextMeasurementAction,
                 previousMeasurementAction,
                 lastMeasurementAction,
                 zoomAction,
                 wholeViewAction,
                 averageAction,
                 settingsMenu->menuAction(),
                 printerSetupAction,
                 colorsAction,
                 helpAction,
                 openButton,
                 deviceLinkButton,
                 saveTableButton,
                 seriesListButton,
                 tableButton,
                 averageButton,
                 gridButton,
                 printTableButton,
                 printGraphButton,
                 zoomButton,
                 wholeViewButton,
                 firstMeasurementButton,
                 previousMeasurementButton,
                 nextMeasurementButton,
                 lastMeasurementButton,
                 helpButton,
                 printerSetupButton,
                 colorsButton};

    blankGraph_ = std::make_unique<BlankGraph>(store_, palette().color(QPalette::Window));
    noTable_ = std::make_unique<TableHooks>();
    noPrint_ = std::make_unique<PrintHooks>();
    SetGraphHooks(nullptr);
    SetTableHooks(nullptr);
    SetPrintHooks(nullptr);
    wireCommands();
    // Keys reach the window before its controls.
    qApp->installEventFilter(this);

    designSize_ = QSize(kClientSize.width(), menuBar()->sizeHint().height() + kClientSize.height());
    limitSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() -
             QPoint(designSize_.width() / 2, designSize_.height() / 2));
    FormCreate();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::attachWindows(ColorDialog* colorDialog, SeriesListWindow* seriesList) {
    colorDialog_ = colorDialog;
    seriesList_ = seriesList;
    if (colorDialog_)
        colorDialog_->RepaintGraph = [this] { graphWidget->repaint(); };
}

void MainWindow::SetGraphHooks(GraphHooks* hooks) {
    graph_ = hooks ? hooks : blankGraph_.get();
    graphWidget->setHooks(graph_);
}

void MainWindow::SetTableHooks(TableHooks* hooks) {
    table_ = hooks ? hooks : noTable_.get();
}

void MainWindow::SetPrintHooks(PrintHooks* hooks) {
    print_ = hooks ? hooks : noPrint_.get();
}

void MainWindow::wireCommands() {
    auto bind = [this](QToolButton* button, QAction* item, auto handler) {
        if (button)
            connect(button, &QToolButton::clicked, this, handler);
        if (item)
            connect(item, &QAction::triggered, this, handler);
    };
    bind(openButton, openAction, [this] { SBOpenClick(); });
    bind(deviceLinkButton, deviceLinkAction, [this] { SBDeviceClick(); });
    bind(saveTableButton, saveTableAction, [this] { table_->SBSaveTableClick(); });
    bind(seriesListButton, seriesListAction, [this] { SBSerClick(); });
    bind(tableButton, viewTableAction, [this] { table_->SBTabClick(); });
    bind(averageButton, averageAction, [this] { table_->SBMiddleClick(); });
    bind(gridButton, nullptr, [this] { graph_->SBSetkaClick(gridButton->isChecked()); });
    bind(printTableButton, printTableAction, [this] { print_->SBPrintTableClick(); });
    bind(printGraphButton, printGraphAction, [this] { print_->SBPrintGrClick(); });
    bind(zoomButton, zoomAction, [this] { graph_->SBMasGSClick(); });
    bind(wholeViewButton, wholeViewAction, [this] { graph_->SBMasGAClick(); });
    bind(firstMeasurementButton, firstMeasurementAction, [this] { graph_->SBToHomeClick(); });
    bind(previousMeasurementButton, previousMeasurementAction, [this] { graph_->SBToLeftClick(); });
    bind(nextMeasurementButton, nextMeasurementAction, [this] { graph_->SBToRightClick(); });
    bind(lastMeasurementButton, lastMeasurementAction, [this] { graph_->SBToEndClick(); });
    bind(helpButton, helpAction, [this] { SBHelpClick(); });
    bind(printerSetupButton, printerSetupAction, [this] { print_->SBPrintSetupClick(); });
    bind(colorsButton, colorsAction, [this] { SBColorClick(); });
    bind(nullptr, exitAction, [this] { MenuExitClick(); });
}

void MainWindow::FormCreate() {
    setStatusText(0, QString::fromUtf8(OpenFilePrompt));
    store_.noSeriesChosen = false;
    RecordTags(commands_);
}

void MainWindow::resetCommands() {
    store_.noSeriesChosen = true;
    RestoreTags(commands_);
    ClearValueLabels(this);
    setStatusText(0, QStringLiteral(" "));
    table_->CloseTable();
    graphWidget->repaint();
}

void MainWindow::enableCommands() {
    EnableAll(commands_);
    if (store_.file.seriesCount == 1) {
        seriesListButton->setEnabled(false);
        seriesListAction->setEnabled(false);
    }
}

void MainWindow::SBOpenClick() {
    resetCommands();
    setStatusText(0, QString::fromUtf8(OpenFilePrompt));
    OpenDialogRequest request;
    request.defaultSuffix = QStringLiteral("rad");
    // The first description names *.ser while it lists *.rad files, as the instrument's users know it.
    request.nameFilters = {QStringLiteral("Двоичные файлы (*.ser) (*.rad)"),
                           QStringLiteral("Все файлы (*.*) (*)")};
    request.directory =
        lastFileName_.isEmpty() ? services_.openFolder : QFileInfo(lastFileName_).absolutePath();
    request.fileName = lastFileName_.isEmpty() ? QString() : QFileInfo(lastFileName_).fileName();
    const std::optional<QString> chosen = services_.dialogs->openFile(this, request);
    if (!chosen)
        return;
    lastFileName_ = *chosen;
    loadFile(*chosen);
    setStatusText(1, QStringLiteral(" "));
}

void MainWindow::loadFile(const QString& path) {
    if (seriesList_)
        seriesList_->clearRows();
    OpenedFile opened = OpenInstrumentFile(path);
    if (!opened.ok()) {
        // Nothing was read: the window stays ready for another file.
        services_.dialogs->errorBox(this, opened.error);
        return;
    }
    setStatusText(0, QString::fromUtf8(ViewingFileText) + FileNamePart(path));
    store_.file = std::move(opened.file);

    if (store_.file.seriesCount == 1) {
        selectSeries(1);
        showInstrument(QString::number(store_.file.deviceNumber), SensitivityText(store_.file.sensitivity));
        return;
    }
    if (seriesList_) {
        seriesList_->fillRows();
        seriesList_->showList();
    }
}

void MainWindow::selectSeries(int s) {
    if (s < 1 || s > store_.file.seriesCount)
        return;
    SeriesEvaluation evaluation = EvaluateSeries(store_.file, s);
    setStatusText(1, QString());
    setStatusText(0, evaluation.title);
    if (evaluation.refused()) {
        services_.dialogs->errorBox(this, evaluation.refusal);
        return;
    }
    showErrors(evaluation.messages);
    store_.selected = std::move(evaluation.series);
    enableCommands();
    graph_->ResetView();
    table_->FillTable(store_.selected);
    Count->setText(QString::number(store_.selected.measurementCount));
    graph_->ChooseAxisSteps();
    table_->TableSync();
    store_.noSeriesChosen = false;
    RepaintGraph();
    if (seriesList_)
        seriesList_->close();
}

void MainWindow::showErrors(const QStringList& messages) {
    for (const QString& message : messages)
        services_.dialogs->errorBox(this, message);
}

void MainWindow::RepaintGraph() {
    graph_->Repaint();
    graphWidget->update();
}

void MainWindow::SBDeviceClick() {
    services_.launcher->startHidden(QString::fromLatin1(kLinkProgram));
}

void MainWindow::SBHelpClick() {
    if (!help_)
        help_ = new HelpViewer(services_.helpFolder, this);
    help_->showTopic(QString::fromLatin1(kHelpFile), QString::fromLatin1(kHelpTopic));
}

void MainWindow::MenuExitClick() {
    close();
}

void MainWindow::SBSerClick() {
    if (seriesList_)
        seriesList_->showList();
}

void MainWindow::SBColorClick() {
    if (!colorDialog_)
        return;
    colorDialog_->show();
    colorDialog_->raise();
    colorDialog_->activateWindow();
}

void MainWindow::setStatusText(int panel, const QString& text) {
    statusPanels->setPanelText(panel, text);
}

void MainWindow::showInstrument(const QString& number, const QString& sensitivity) {
    instrumentNumberLabel->setText(number);
    sensitivityLabel->setText(sensitivity);
}

void MainWindow::enableSeriesCommand() {
    seriesListButton->setEnabled(true);
    seriesListAction->setEnabled(true);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && Closed)
        Closed();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    graph_->resizing();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Coming back from maximised, the window takes its design size again.
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (change->oldState().testFlag(Qt::WindowMaximized) && windowState() == Qt::WindowNoState)
        resize(designSize_);
}

// A window manager offers maximise only to a window whose size may change: X11 window managers read a
// fixed border as minimum = maximum and then leave maximise out. So the edges may be dragged, never below
// the design size.
void MainWindow::limitSize() {
    setMinimumSize(designSize_);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(designSize_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this)
        return false;
    // A key travels from the focused control up to the window; it is seen once, at its first receiver.
    const QWidget* focus = QApplication::focusWidget();
    const bool first = widget == focus || (widget == this && (!focus || focus->window() != this));
    return first && FormKeyDown(*static_cast<QKeyEvent*>(event));
}

bool MainWindow::FormKeyDown(QKeyEvent& event) {
    return graph_->FormKeyDown(event);
}
