#include "app/window/MainWindow.h"

#include "app/dialogs/HelpViewer.h"
#include "app/dialogs/UserDialogs.h"
#include "app/dialogs/colors/ColorDialog.h"
#include "app/program/ProgramLauncher.h"
#include "app/span/SpanCommands.h"
#include "app/window/Fonts.h"
#include "app/window/GraphFollowsDocument.h"
#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "app/window/SeriesListWindow.h"
#include "app/window/StatusPanels.h"
#include "app/window/WindowPlacement.h"
#include "desktop/AppIcon.h"
#include "store/MeasurementTexts.h"
#include "store/NativePath.h"
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

const char* const OpenFilePrompt = QT_TRANSLATE_NOOP("MainWindow", "Откройте файл для просмотра");
const char* const ViewingFileText = QT_TRANSLATE_NOOP("MainWindow", "Просмотр файла ");

namespace {

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
    setWindowTitle(tr("Визуализация данных"));
    setFont(WindowFont());
    // Files dropped from a file manager open as the open command opens a chosen one.
    setAcceptDrops(true);

    commands = MakeMainCommands(this);
    buildMenu();
    ShowCommandStates(commands, document_.stage(), false);
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
    const CommandParts parts{*this, *graphWidget, document_, *services_.dialogs};
    rangeChoice_ = std::make_unique<RangeChoice>(parts);
    tableCommands_ = std::make_unique<TableCommands>(parts, *rangeChoice_, tableModel_, *infoPanel);
    printCommands_ = std::make_unique<PrintCommands>(parts, *rangeChoice_, tableModel_,
                                                     [this](const QString& text) { setStatusText(1, text); });
    reportCommand_ = std::make_unique<ReportCommand>(parts, *rangeChoice_);
    pictureCommand_ = std::make_unique<GraphPictureCommand>(parts, graph_);
    readingCommands_ = std::make_unique<ReadingCommands>(*this, document_, commands);
    spanCommands_ = new SpanCommands(parts, document_, *reportCommand_, *this);

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
    auto on = [this](QAction* command, auto handler) {
        connect(command, &QAction::triggered, this, handler);
    };
    on(commands.open, [this] { SBOpenClick(); });
    on(commands.deviceLink, [this] { SBDeviceClick(); });
    on(commands.saveTable, [this] { tableCommands_->saveTable(); });
    on(commands.savePicture, [this] { pictureCommand_->save(); });
    on(commands.printTable, [this] { printCommands_->printTable(); });
    on(commands.printGraph, [this] { printCommands_->printGraph(); });
    on(commands.report, [this] { reportCommand_->makeReport(); });
    on(commands.exit, [this] { MenuExitClick(); });
    on(commands.seriesList, [this] { SBSerClick(); });
    on(commands.viewTable, [this] { SBTabClick(); });
    on(commands.firstMeasurement, [this] { document_.navigate(NavigationCommand::Home); });
    on(commands.nextMeasurement, [this] { document_.navigate(NavigationCommand::Right); });
    on(commands.previousMeasurement, [this] { document_.navigate(NavigationCommand::Left); });
    on(commands.lastMeasurement, [this] { document_.navigate(NavigationCommand::End); });
    on(commands.zoom, [this] { document_.beginZoom(); });
    on(commands.wholeView, [this] { document_.showWholeSeries(); });
    on(commands.average, [this] { tableCommands_->averageOverRange(); });
    on(commands.grid, [this](bool down) { document_.setGrid(down); });
    on(commands.printerSetup, [this] { printCommands_->setUpPrinter(); });
    on(commands.colors, [this] { SBColorClick(); });
    on(commands.help, [this] { SBHelpClick(); });
    on(commands.unitBecquerels,
       [this] { readingCommands_->chooseUnit(ActivityUnit::BecquerelPerCubicMetre); });
    on(commands.unitPicocuries, [this] { readingCommands_->chooseUnit(ActivityUnit::PicocuriePerLitre); });
    on(commands.referenceLevels, [this] { readingCommands_->chooseLevels(); });
    on(commands.runningAverage, [this](bool shown) { readingCommands_->showAverage(shown); });
}

// The one set of connections between the parts, made once. Slots run in the order they are connected: the
// table's model takes a new series before the document announces the view and the pointer on it.
void MainWindow::connectParts() {
    // Clicks and keys on the graph are requests to the document.
    connect(this, &MainWindow::keyPressed, &graph_, [this](QKeyEvent* event) {
        graph_.pressKey(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    });

    // What the document announces, the parts follow.
    connect(&document_, &MeasurementDocument::fileOpened, this, &MainWindow::showOpenedFile);
    connect(&document_, &MeasurementDocument::seriesEvaluated, this, &MainWindow::showEvaluation);
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
    });
    connect(&document_, &MeasurementDocument::seriesWithdrawn, this, [this] {
        infoPanel->clearValues();
        setStatusText(0, QStringLiteral(" "));
        if (table_)
            table_->hide();
        graphWidget->repaint();
    });
    connect(&document_, &MeasurementDocument::stageChanged, this, [this](DocumentStage stage) {
        ShowCommandStates(commands, stage, document_.file().seriesCount > 1);
    });
    FollowDocument(graph_, document_);
    connect(&document_, &MeasurementDocument::pointerMoved, this, &MainWindow::followPointer);
    connect(&document_, &MeasurementDocument::statusNotice, this,
            [this](const QString& text) { setStatusText(1, text); });
    connect(&document_, &MeasurementDocument::readingChanged, this, &MainWindow::followReading);
}

// The menu, the table, the information panel and the colour dialog take the reading the document holds.
void MainWindow::followReading() {
    const ReadingSettings& reading = document_.reading();
    readingCommands_->showReading();
    tableModel_.setUnit(reading.unit);
    infoPanel->setUnit(reading.unit);
    if (document_.seriesShown())
        infoPanel->showMeasurement(document_.pointer(), tableModel_.rowTexts(document_.pointer()));
    if (colors_)
        colors_->setWarningColor(QColor(reading.warningColour));
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
        table_->setCurrentRow(document_.pointer());
        // A row is a request: the document moves the pointer there or refuses it, and the table shows the
        // pointer's row either way.
        connect(table_, &MeasurementTableWindow::rowChosen, this, [this](int k) {
            document_.chooseRow(k);
            table_->setCurrentRow(document_.pointer());
        });
    }
    return table_;
}

// The table names its file and series by the series title, short enough for a narrow window's title bar.
QString MainWindow::tableTitle() const {
    return ShownSeriesTitle(document_.series());
}

RangeDialog* MainWindow::rangeDialog() {
    return rangeChoice_->dialog();
}

ColorDialog* MainWindow::colorDialog() {
    if (!colors_) {
        colors_ = new ColorDialog(*services_.dialogs, this);
        graph_.setColors(colors_->scheme());
        connect(colors_, &ColorDialog::schemeChanged, &graph_, &GraphSurface::setColors);
        colors_->setWarningColor(QColor(document_.reading().warningColour));
        // The warning colour is the document's, kept with the other settings of reading.
        connect(colors_, &ColorDialog::warningColorChosen, this, [this](const QColor& color) {
            ReadingSettings reading = document_.reading();
            reading.warningColour = color.name();
            document_.setReading(reading);
        });
        // OK repaints the graph at once, in the colours it leaves.
        connect(colors_, &ColorDialog::accepted, graphWidget, qOverload<>(&QWidget::repaint));
    }
    return colors_;
}

void MainWindow::FormCreate() {
    setStatusText(0, tr(OpenFilePrompt));
}

void MainWindow::SBOpenClick() {
    document_.withdrawSeries();
    setStatusText(0, tr(OpenFilePrompt));
    OpenDialogRequest request;
    request.defaultSuffix = QStringLiteral("rad");
    // The first description names *.ser while it lists *.rad files, as the instrument's users know it.
    request.nameFilters = {tr("Двоичные файлы (*.ser) (*.rad)"), tr("Все файлы (*.*) (*)")};
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
    setStatusText(0, tr(ViewingFileText) + ShownPath(FileNamePart(file.dataFileName)));
    if (file.seriesCount == 1) {
        selectSeries(1);
        infoPanel->showInstrument(QString::number(file.deviceNumber), ShownSensitivityText(file.sensitivity));
        return;
    }
    SeriesListWindow* list = seriesListWindow();
    list->fillRows(file);
    list->showList();
}

void MainWindow::selectSeries(int s) {
    if (document_.chooseSeries(s) && seriesList_)
        seriesList_->close();
}

// An evaluated series is titled in the status bar and its messages shown before it is drawn; a refused one
// is reported instead.
void MainWindow::showEvaluation(const SeriesChoice& choice) {
    setStatusText(1, QString());
    setStatusText(0, choice.title);
    if (choice.refused()) {
        refuseSeries(choice.refusal);
        return;
    }
    showErrors(choice.messages);
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
    document_.offerSeriesChoice();
    const InstrumentFile& file = document_.file();
    setStatusText(0, tr(ViewingFileText) + ShownPath(FileNamePart(file.dataFileName)));
    infoPanel->showInstrument(QString::number(file.deviceNumber), ShownSensitivityText(file.sensitivity));
}

void MainWindow::closeSeriesList() {
    if (!document_.noSeriesChosen())
        return;
    setStatusText(0, tr(OpenFilePrompt));
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
    help_->showTopic(services_.helpFile, QString::fromLatin1(kHelpTopic));
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
    table->setCurrentRow(document_.pointer());
    if (!table->isVisible())
        KeepOnScreen(*table);
    table->show();
    table->raise();
    table->activateWindow();
    table->setCurrentRow(document_.pointer());
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
