#include "app/MainWindow.h"

#include "app/CommandStates.h"
#include "app/Fonts.h"
#include "app/GraphWidget.h"
#include "app/HelpViewer.h"
#include "app/InfoPanel.h"
#include "app/ProgramLauncher.h"
#include "app/SeriesListWindow.h"
#include "app/StatusPanels.h"
#include "app/UserDialogs.h"
#include "app/WindowPlacement.h"
#include "app/colors/ColorDialog.h"
#include "desktop/AppIcon.h"
#include "store/MeasurementTexts.h"
#include "store/NativePath.h"
#include "store/SeriesEvaluation.h"
#include "store/SeriesList.h"
#include "table/MeasurementTableWindow.h"
#include "table/RangeDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

const char* const OpenFilePrompt = "Откройте файл для просмотра";
const char* const ViewingFileText = "Просмотр файла ";

namespace {

const char* const kHelpFile = "help.hlp";
const char* const kHelpTopic = "About_Clearscan32";
const char* const kLinkProgram = "devsync.exe";

constexpr QSize kClientSize(707, 499); // below the menu bar
// The help button's place on the toolbar, and what keeps it off the settings panel in a narrow window.
constexpr int kHelpButtonX = 620;
constexpr int kHelpButtonReach = 29; // the button and a gap before the settings panel

// Without a title bar minimise button, with the maximise button.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                                         Qt::WindowCloseButtonHint;

} // namespace

MainWindow::MainWindow(const WindowServices& services, QWidget* parent)
    : QMainWindow(parent, kWindowFlags), services_(services), graph_(document_.store()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Визуализация данных"));
    setFont(WindowFont());
    // Files dropped from a file manager open as the open command opens a chosen one.
    setAcceptDrops(true);

    buildMenu();
    buildToolbar();
    graphWidget = new GraphWidget(graph_);
    infoPanel = new InfoPanel;
    buildStatusBar();
    auto* client = new QWidget;
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(toolbar);
    column->addWidget(graphWidget, 1);
    column->addWidget(infoPanel);
    setCentralWidget(client);
    tableCommands_ = std::make_unique<TableCommands>(TableCommands::Parts{
        *this, document_, graph_, tableModel_, *infoPanel, *graphWidget, *services_.dialogs});
    printCommands_ = std::make_unique<PrintCommands>(
        PrintCommands::Parts{*this, document_, graph_, *tableCommands_, *graphWidget, *services_.dialogs,
                             [this](const QString& text) { setStatusText(1, text); }});
    reportCommand_ = std::make_unique<ReportCommand>(
        ReportCommand::Parts{*this, document_, *tableCommands_, *graphWidget, *services_.dialogs});
    pictureCommand_ = std::make_unique<GraphPictureCommand>(
        GraphPictureCommand::Parts{*this, document_, graph_, *graphWidget, *services_.dialogs});

    commands_ = {fileMenu->menuAction(),
                 openAction,
                 deviceLinkAction,
                 saveTableAction,
                 savePictureAction,
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

    // The bottom margin leaves room for the time labels in the graph area's font.
    const int fontHeight = graphWidget->font().pixelSize();
    graph_.setMargins(MarginsForFontHeight(fontHeight > 0 ? fontHeight : DefaultCanvasFontHeight));
    graph_.setBlankColor(graphWidget->palette().color(QPalette::Window));
    wireCommands();
    connectParts();
    // Keys reach the window before its controls.
    qApp->installEventFilter(this);

    designSize_ = QSize(kClientSize.width(), menuBar()->sizeHint().height() + kClientSize.height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        fitToScreen(screen->availableGeometry());
    FormCreate();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
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
    bind(saveTableButton, saveTableAction, [this] { tableCommands_->saveTable(); });
    bind(seriesListButton, seriesListAction, [this] { SBSerClick(); });
    bind(tableButton, viewTableAction, [this] { SBTabClick(); });
    bind(averageButton, averageAction, [this] { tableCommands_->averageOverRange(); });
    bind(gridButton, nullptr, [this] { graph_.setGrid(gridButton->isChecked()); });
    bind(printTableButton, printTableAction, [this] { printCommands_->printTable(); });
    bind(printGraphButton, printGraphAction, [this] { printCommands_->printGraph(); });
    bind(zoomButton, zoomAction, [this] { graph_.beginZoom(); });
    bind(wholeViewButton, wholeViewAction, [this] { graph_.showWholeSeries(); });
    bind(firstMeasurementButton, firstMeasurementAction, [this] { graph_.movePointerToFirst(); });
    bind(previousMeasurementButton, previousMeasurementAction, [this] { graph_.stepPointerLeft(); });
    bind(nextMeasurementButton, nextMeasurementAction, [this] { graph_.stepPointerRight(); });
    bind(lastMeasurementButton, lastMeasurementAction, [this] { graph_.movePointerToLast(); });
    bind(helpButton, helpAction, [this] { SBHelpClick(); });
    bind(printerSetupButton, printerSetupAction, [this] { printCommands_->setUpPrinter(); });
    bind(colorsButton, colorsAction, [this] { SBColorClick(); });
    bind(nullptr, exitAction, [this] { MenuExitClick(); });
    bind(nullptr, savePictureAction, [this] { pictureCommand_->save(); });
    bind(nullptr, reportAction, [this] { reportCommand_->makeReport(); });
}

// The one set of connections between the parts, made once. Slots run in the order they are connected: the
// table's model takes a new series before the document announces the pointer on it.
void MainWindow::connectParts() {
    // The graph's own commands, clicks and keys ask the document; what it announces, the parts follow.
    connect(&graph_, &GraphView::pointerMoved, &document_, &MeasurementDocument::movePointer);
    connect(&graph_, &GraphView::viewChanged, &document_,
            [this] { document_.showView(graph_.view().viewFirst, graph_.view().viewCount); });
    connect(&graph_, &GraphView::statusMessage, this,
            [this](const QString& text) { setStatusText(1, text); });

    connect(&document_, &MeasurementDocument::fileOpened, this, &MainWindow::showOpenedFile);
    connect(&document_, &MeasurementDocument::seriesChanged, this, [this] {
        tableModel_.setSeries(&document_.series());
        if (table_) {
            table_->setWindowTitle(tableTitle());
            // A new series starts with the table closed, also when it was shown. Showing it for a moment
            // first would only flash it on screen and hand it the activation the main window needs.
            table_->hide();
            table_->startSeries();
        }
        infoPanel->showMeasurementCount(document_.series().measurementCount);
        graph_.resetView();
    });
    connect(&document_, &MeasurementDocument::seriesWithdrawn, graphWidget, qOverload<>(&QWidget::repaint));
    // The report, beyond the window's design, follows the document rather than the recorded command states.
    connect(&document_, &MeasurementDocument::seriesChanged, reportAction,
            [this] { reportAction->setEnabled(true); });
    connect(&document_, &MeasurementDocument::seriesWithdrawn, reportAction,
            [this] { reportAction->setEnabled(false); });
    connect(&document_, &MeasurementDocument::pointerMoved, &graph_, &GraphView::followPointer);
    connect(&document_, &MeasurementDocument::pointerMoved, this, &MainWindow::followPointer);
    connect(&document_, &MeasurementDocument::viewChanged, this, [this] {
        if (table_)
            table_->setSelectableRows(document_.viewFirst(), document_.viewCount());
    });
    connect(this, &MainWindow::keyPressed, &graph_, [this](QKeyEvent* event) {
        graph_.pressKey(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    });
}

// The table's row and the value labels follow the pointer, and the prompt panel is cleared as the table's
// row rule clears it. The table makes the row current; the row it announces is the pointer's already, so the
// document hears nothing new.
void MainWindow::followPointer(int k) {
    setStatusText(1, QStringLiteral(" "));
    if (table_)
        table_->setCurrentRow(k);
    if (k >= 1 && k <= tableModel_.rowCount())
        infoPanel->showMeasurement(k, tableModel_.rowTexts(k));
}

// A row outside the graph's view is refused: the pointer's measurement becomes the nearest one in view and
// the panel says why; the line, the labels and the table's row stay as they were until the next redraw or
// pointer move, as the instrument's users know it.
void MainWindow::refuseTableRow(int nearest, const QString& message) {
    graph_.setPointerIndexOnly(nearest);
    setStatusText(1, message);
}

SeriesListWindow* MainWindow::seriesListWindow() {
    if (!seriesList_) {
        seriesList_ = new SeriesListWindow(this);
        seriesList_->setFont(WindowFont());
        connect(seriesList_, &SeriesListWindow::seriesChosen, this, &MainWindow::selectSeries);
        connect(seriesList_, &SeriesListWindow::listShown, this, &MainWindow::showSeriesList);
        connect(seriesList_, &SeriesListWindow::listClosed, this, &MainWindow::closeSeriesList);
    }
    return seriesList_;
}

MeasurementTableWindow* MainWindow::tableWindow() {
    if (!table_) {
        table_ = new MeasurementTableWindow(tableModel_, this);
        table_->setFont(WindowFont());
        table_->setWindowTitle(tableTitle());
        table_->setSelectableRows(document_.viewFirst(), document_.viewCount());
        table_->setCurrentRow(document_.pointer());
        connect(table_, &MeasurementTableWindow::rowChosen, &document_, &MeasurementDocument::movePointer);
        connect(table_, &MeasurementTableWindow::rowRefused, this,
                [this](int, int nearest, const QString& message) { refuseTableRow(nearest, message); });
    }
    return table_;
}

// The table names its file and series by the series title, short enough for a narrow window's title bar.
QString MainWindow::tableTitle() const {
    return document_.series().seriesTitle;
}

RangeDialog* MainWindow::rangeDialog() {
    return tableCommands_->rangeDialog();
}

ColorDialog* MainWindow::colorDialog() {
    if (!colors_) {
        colors_ = new ColorDialog(*services_.dialogs, this);
        graph_.setColors(colors_->scheme());
        connect(colors_, &ColorDialog::schemeChanged, &graph_, &GraphView::setColors);
        // OK repaints the graph at once, in the colours it leaves.
        connect(colors_, &ColorDialog::accepted, graphWidget, qOverload<>(&QWidget::repaint));
    }
    return colors_;
}

void MainWindow::FormCreate() {
    setStatusText(0, QString::fromUtf8(OpenFilePrompt));
    RecordTags(commands_);
}

void MainWindow::resetCommands() {
    RestoreTags(commands_);
    infoPanel->clearValues();
    setStatusText(0, QStringLiteral(" "));
    if (table_)
        table_->hide();
    document_.withdrawSeries();
}

void MainWindow::enableCommands() {
    EnableAll(commands_);
    if (document_.file().seriesCount == 1) {
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
    openChosenFile(*chosen);
}

void MainWindow::openChosenFile(const QString& path) {
    lastFileName_ = path;
    loadFile(path);
    setStatusText(1, QStringLiteral(" "));
}

void MainWindow::loadFile(const QString& path) {
    if (seriesList_)
        seriesList_->clearRows();
    // Nothing read leaves the window ready for another file, the emptied list closed.
    if (const Outcome loaded = document_.load(path); !loaded.ok()) {
        if (seriesList_)
            seriesList_->close();
        services_.dialogs->errorBox(this, loaded.message());
    }
}

void MainWindow::showOpenedFile() {
    const InstrumentFile& file = document_.file();
    setStatusText(0, QString::fromUtf8(ViewingFileText) + ShownPath(FileNamePart(file.dataFileName)));
    if (file.seriesCount == 1) {
        selectSeries(1);
        infoPanel->showInstrument(QString::number(file.deviceNumber), SensitivityText(file.sensitivity));
        return;
    }
    SeriesListWindow* list = seriesListWindow();
    list->fillRows(file);
    list->showList();
}

void MainWindow::selectSeries(int s) {
    if (s < 1 || s > document_.file().seriesCount)
        return;
    SeriesEvaluation evaluation = EvaluateSeries(document_.file(), s);
    setStatusText(1, QString());
    setStatusText(0, evaluation.title);
    if (evaluation.refused()) {
        refuseSeries(evaluation.refusal);
        return;
    }
    showErrors(evaluation.messages);
    enableCommands();
    document_.showSeries(std::move(evaluation.series));
    if (seriesList_)
        seriesList_->close();
}

// A series refused from the list is reported over the list, and the list keeps the focus, so that the user
// goes on choosing with the keys.
void MainWindow::refuseSeries(const QString& message) {
    const bool fromList = seriesList_ && seriesList_->isVisible();
    services_.dialogs->errorBox(fromList ? static_cast<QWidget*>(seriesList_) : this, message);
    if (!fromList)
        return;
    seriesList_->raise();
    seriesList_->activateWindow();
    seriesList_->list->setFocus();
}

void MainWindow::showErrors(const QStringList& messages) {
    for (const QString& message : messages)
        services_.dialogs->errorBox(this, message);
}

void MainWindow::showSeriesList() {
    resetCommands();
    const InstrumentFile& file = document_.file();
    setStatusText(0, QString::fromUtf8(ViewingFileText) + ShownPath(FileNamePart(file.dataFileName)));
    infoPanel->showInstrument(QString::number(file.deviceNumber), SensitivityText(file.sensitivity));
    enableSeriesCommand();
}

void MainWindow::closeSeriesList() {
    if (!document_.noSeriesChosen())
        return;
    setStatusText(0, QString::fromUtf8(OpenFilePrompt));
    setStatusText(1, QStringLiteral(" "));
    infoPanel->showInstrument(QString(), QString());
}

// The link program is started when it can be found; otherwise the status bar says where it was looked for,
// since nothing else would show that the command did anything.
void MainWindow::SBDeviceClick() {
    const QString name = QString::fromLatin1(kLinkProgram);
    const ProgramSearch search = FindProgram(name, services_.launcher->searchFolders());
    if (search.found.isEmpty()) {
        setStatusText(1, ProgramMissingText(name, search.folders));
        return;
    }
    services_.launcher->startHidden(search.found);
}

void MainWindow::SBHelpClick() {
    if (!help_)
        help_ = new HelpViewer(services_.helpFolder, this);
    if (!help_->isVisible())
        PlaceOver(*help_, *this);
    help_->showTopic(QString::fromLatin1(kHelpFile), QString::fromLatin1(kHelpTopic));
}

void MainWindow::MenuExitClick() {
    close();
}

void MainWindow::SBSerClick() {
    seriesListWindow()->showList();
}

void MainWindow::SBTabClick() {
    setStatusText(1, QStringLiteral(" "));
    MeasurementTableWindow* table = tableWindow();
    table->setCurrentRow(graph_.view().pointerIndex);
    if (!table->isVisible())
        KeepOnScreen(*table);
    table->show();
    table->raise();
    table->activateWindow();
    table->setCurrentRow(graph_.view().pointerIndex);
}

void MainWindow::SBColorClick() {
    ColorDialog* dialog = colorDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::setStatusText(int panel, const QString& text) {
    statusPanels->setPanelText(panel, text);
}

void MainWindow::enableSeriesCommand() {
    seriesListButton->setEnabled(true);
    seriesListAction->setEnabled(true);
}

void MainWindow::buildStatusBar() {
    statusPanels = new StatusPanels({230, 470}, this);
    statusPanels->setObjectName(QStringLiteral("StBMain"));
    statusPanels->setFixedHeight(22);
    setStatusBar(statusPanels);
}

// The icon goes to the window manager once the window has been painted: decoding its six sizes and handing
// them over took the first paint some milliseconds, and the window is what the user waits for.
void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (iconShown_)
        return;
    iconShown_ = true;
    QTimer::singleShot(0, this, [this] { setWindowIcon(AppIcon()); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

// A window manager offers maximise only to a window whose size may change: X11 window managers read a
// fixed border as minimum = maximum and then leave maximise out. So the edges may be dragged, never below
// the design size, or below what of it the screen can hold: on a small or strongly scaled screen the window
// is smaller, and the graph takes what is left between the toolbar and the panel. Coming back from
// maximised is the window manager's business: it puts the window back where it was.
void MainWindow::fitToScreen(const QRect& available) {
    const QSize size = ClientSizeWithin(designSize_, FrameMargins(*this), available);
    setMinimumSize(size);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(size);
    QRect frame(QPoint(0, 0), size.grownBy(FrameMargins(*this)));
    frame.moveCenter(available.center());
    move(FittedFrame(frame, available).topLeft());
}

void MainWindow::placeHelpButton() {
    const int x = std::min(kHelpButtonX, toolbar->width() - settingsPanel->width() - 2 - kHelpButtonReach);
    helpButton->move(std::max(servicePanel->geometry().right() + 1, x), helpButton->y());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolbar && event->type() == QEvent::Resize)
        placeHelpButton();
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // The menu bar's own keys (the arrows between its menus) stay with it.
    if (widget->window() != this || qobject_cast<QMenuBar*>(widget))
        return false;
    // A key travels from the focused control up to the window; it is seen once, at its first receiver.
    const QWidget* focus = QApplication::focusWidget();
    const bool first = widget == focus || (widget == this && (!focus || focus->window() != this));
    return first && FormKeyDown(*static_cast<QKeyEvent*>(event));
}

// Answers whether a receiver of keyPressed took the key; the event's own acceptance is left as it came.
bool MainWindow::FormKeyDown(QKeyEvent& event) {
    const bool accepted = event.isAccepted();
    event.ignore();
    emit keyPressed(&event);
    const bool taken = event.isAccepted();
    event.setAccepted(accepted);
    return taken;
}
