#include "app/Grafnew.h"

#include "app/BlankGraph.h"
#include "app/CommandStates.h"
#include "app/Fonts.h"
#include "app/HelpViewer.h"
#include "app/PaintBox.h"
#include "app/ShellServices.h"
#include "app/StatusPanels.h"
#include "app/ViewHooks.h"
#include "app/colors/colorDL.h"
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

TForm1::TForm1(const ShellServicesSet& services, QWidget* parent)
    : QMainWindow(parent, kWindowFlags), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Визуализация данных"));
    setWindowIcon(AppIcon());
    setFont(WindowFont());

    buildMenu();
    buildToolbar();
    PaintBox = new TPaintBox;
    buildInfoPanel();
    buildStatusBar();
    auto* client = new QWidget;
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Panel1);
    column->addWidget(PaintBox, 1);
    column->addWidget(GroupBox1);
    setCentralWidget(client);

    commands_ = {MenuFile->menuAction(),
                 MenuOpen,
                 MenuDevice,
                 CreateTextfile1,
                 N2,
                 N15->menuAction(),
                 N16,
                 N17,
                 N1,
                 MenuExit,
                 MenuView->menuAction(),
                 MenuSer,
                 N14,
                 N6,
                 N7,
                 N8,
                 N9,
                 N10,
                 N11,
                 N12,
                 MenuSettings->menuAction(),
                 N3,
                 N4,
                 MenuHelp,
                 SBOpen,
                 SBDevice,
                 SBSaveTable,
                 SBSer,
                 SBTab,
                 SBMiddle,
                 SBSetka,
                 SBPrintTable,
                 SBPrintGr,
                 SBMasGS,
                 SBMasGA,
                 SBToHome,
                 SBToLeft,
                 SBToRight,
                 SBToEnd,
                 SBHelp,
                 SBPrintSetup,
                 SBColor};

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

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::AttachWindows(TFormColorDialog* colorDialog, SeriesListWindow* seriesList) {
    FormColorDialog = colorDialog;
    FormSer = seriesList;
    if (FormColorDialog)
        FormColorDialog->RepaintGraph = [this] { PaintBox->repaint(); };
}

void TForm1::SetGraphHooks(GraphHooks* hooks) {
    graph_ = hooks ? hooks : blankGraph_.get();
    PaintBox->setHooks(graph_);
}

void TForm1::SetTableHooks(TableHooks* hooks) {
    table_ = hooks ? hooks : noTable_.get();
}

void TForm1::SetPrintHooks(PrintHooks* hooks) {
    print_ = hooks ? hooks : noPrint_.get();
}

void TForm1::wireCommands() {
    auto bind = [this](QToolButton* button, QAction* item, auto handler) {
        if (button)
            connect(button, &QToolButton::clicked, this, handler);
        if (item)
            connect(item, &QAction::triggered, this, handler);
    };
    bind(SBOpen, MenuOpen, [this] { SBOpenClick(); });
    bind(SBDevice, MenuDevice, [this] { SBDeviceClick(); });
    bind(SBSaveTable, CreateTextfile1, [this] { table_->SBSaveTableClick(); });
    bind(SBSer, MenuSer, [this] { SBSerClick(); });
    bind(SBTab, N14, [this] { table_->SBTabClick(); });
    bind(SBMiddle, N12, [this] { table_->SBMiddleClick(); });
    bind(SBSetka, nullptr, [this] { graph_->SBSetkaClick(SBSetka->isChecked()); });
    bind(SBPrintTable, N16, [this] { print_->SBPrintTableClick(); });
    bind(SBPrintGr, N17, [this] { print_->SBPrintGrClick(); });
    bind(SBMasGS, N10, [this] { graph_->SBMasGSClick(); });
    bind(SBMasGA, N11, [this] { graph_->SBMasGAClick(); });
    bind(SBToHome, N6, [this] { graph_->SBToHomeClick(); });
    bind(SBToLeft, N8, [this] { graph_->SBToLeftClick(); });
    bind(SBToRight, N7, [this] { graph_->SBToRightClick(); });
    bind(SBToEnd, N9, [this] { graph_->SBToEndClick(); });
    bind(SBHelp, MenuHelp, [this] { SBHelpClick(); });
    bind(SBPrintSetup, N3, [this] { print_->SBPrintSetupClick(); });
    bind(SBColor, N4, [this] { SBColorClick(); });
    bind(nullptr, MenuExit, [this] { MenuExitClick(); });
}

void TForm1::FormCreate() {
    SetStatusText(0, QString::fromUtf8(OpenFilePrompt));
    store_.noSeriesChosen = false;
    RecordTags(commands_);
}

void TForm1::ResetCommands() {
    store_.noSeriesChosen = true;
    RestoreTags(commands_);
    ClearValueLabels(this);
    SetStatusText(0, QStringLiteral(" "));
    table_->CloseTable();
    PaintBox->repaint();
}

void TForm1::EnableCommands() {
    EnableAll(commands_);
    if (store_.file.seriesCount == 1) {
        SBSer->setEnabled(false);
        MenuSer->setEnabled(false);
    }
}

void TForm1::SBOpenClick() {
    ResetCommands();
    SetStatusText(0, QString::fromUtf8(OpenFilePrompt));
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
    LoadFile(*chosen);
    SetStatusText(1, QStringLiteral(" "));
}

void TForm1::LoadFile(const QString& path) {
    if (FormSer)
        FormSer->ClearRows();
    OpenedFile opened = OpenInstrumentFile(path);
    if (!opened.ok()) {
        // Nothing was read: the window stays ready for another file.
        services_.dialogs->errorBox(this, opened.error);
        return;
    }
    SetStatusText(0, QString::fromUtf8(ViewingFileText) + FileNamePart(path));
    store_.file = std::move(opened.file);

    if (store_.file.seriesCount == 1) {
        SelectSeries(1);
        ShowInstrument(QString::number(store_.file.deviceNumber), SensitivityText(store_.file.sensitivity));
        return;
    }
    if (FormSer) {
        FormSer->FillRows();
        FormSer->ShowList();
    }
}

void TForm1::SelectSeries(int s) {
    if (s < 1 || s > store_.file.seriesCount)
        return;
    SeriesEvaluation evaluation = EvaluateSeries(store_.file, s);
    SetStatusText(1, QString());
    SetStatusText(0, evaluation.title);
    if (evaluation.refused()) {
        services_.dialogs->errorBox(this, evaluation.refusal);
        return;
    }
    showErrors(evaluation.messages);
    store_.selected = std::move(evaluation.series);
    EnableCommands();
    graph_->ResetView();
    table_->FillTable(store_.selected);
    Count->setText(QString::number(store_.selected.measurementCount));
    graph_->ChooseAxisSteps();
    table_->TableSync();
    store_.noSeriesChosen = false;
    RepaintGraph();
    if (FormSer)
        FormSer->close();
}

void TForm1::showErrors(const QStringList& messages) {
    for (const QString& message : messages)
        services_.dialogs->errorBox(this, message);
}

void TForm1::RepaintGraph() {
    graph_->Repaint();
    PaintBox->update();
}

void TForm1::SBDeviceClick() {
    services_.launcher->startHidden(QString::fromLatin1(kLinkProgram));
}

void TForm1::SBHelpClick() {
    if (!help_)
        help_ = new HelpViewer(services_.helpFolder, this);
    help_->ShowTopic(QString::fromLatin1(kHelpFile), QString::fromLatin1(kHelpTopic));
}

void TForm1::MenuExitClick() {
    close();
}

void TForm1::SBSerClick() {
    if (FormSer)
        FormSer->ShowList();
}

void TForm1::SBColorClick() {
    if (!FormColorDialog)
        return;
    FormColorDialog->show();
    FormColorDialog->raise();
    FormColorDialog->activateWindow();
}

void TForm1::SetStatusText(int panel, const QString& text) {
    StBMain->setPanelText(panel, text);
}

void TForm1::ShowInstrument(const QString& number, const QString& sensitivity) {
    lblNpr->setText(number);
    lblSw->setText(sensitivity);
}

void TForm1::EnableSeriesCommand() {
    SBSer->setEnabled(true);
    MenuSer->setEnabled(true);
}

void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && Closed)
        Closed();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    graph_->resizing();
}

void TForm1::changeEvent(QEvent* event) {
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
void TForm1::limitSize() {
    setMinimumSize(designSize_);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(designSize_);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
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

bool TForm1::FormKeyDown(QKeyEvent& event) {
    return graph_->FormKeyDown(event);
}
