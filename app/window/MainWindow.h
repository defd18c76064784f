#pragma once

#include "app/commands/GraphPictureCommand.h"
#include "app/commands/MainCommands.h"
#include "app/commands/PrintCommands.h"
#include "app/commands/RangeChoice.h"
#include "app/commands/ReadingCommands.h"
#include "app/commands/ReportCommand.h"
#include "app/commands/TableCommands.h"
#include "app/document/MeasurementDocument.h"
#include "graph/GraphSurface.h"
#include "table/MeasurementTableModel.h"

#include <QList>
#include <QMainWindow>

#include <memory>

class ColorDialog;
class GraphWidget;
class HelpViewer;
class InfoPanel;
class MeasurementTableWindow;
class ProgramLauncher;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QFrame;
class QKeyEvent;
class QMenu;
class QToolButton;
class RangeDialog;
class SeriesListWindow;
class SpanCommands;
class StatusPanels;
class UserDialogs;

// What the main window reaches outside itself; tests put their own dialogs and launcher in place of Qt's.
struct WindowServices {
    UserDialogs* dialogs;
    ProgramLauncher* launcher;
    QString helpFolder; // where the help file is looked for
    QString helpFile;   // its name, the page of the user's language
    QString openFolder; // the folder the open dialog starts in
};

// The main window: toolbar, menu, graph area, information panel and status bar, the command states, and
// the road from opening a file to a series on screen. It owns the document, the graph and the table's
// model, and makes the other windows when they are first wanted. The parts keep in step through
// connections made once: each asks the document to change and follows what it announces.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MeasurementDocument& document() const { return document_; }
    MeasurementDocument& document() { return document_; }
    const MeasurementStore& store() const { return document_.store(); }
    GraphSurface& graph() { return graph_; }
    const MeasurementTableModel& tableModel() const { return tableModel_; }
    RangeChoice& rangeChoice() { return *rangeChoice_; }
    PrintCommands& printCommands() { return *printCommands_; }
    ReportCommand& reportCommand() { return *reportCommand_; }
    ReadingCommands& readingCommands() { return *readingCommands_; }
    SpanCommands& spanCommands() { return *spanCommands_; }

    // The secondary windows, made on first use and kept until the main window goes.
    SeriesListWindow* seriesListWindow();
    MeasurementTableWindow* tableWindow();
    RangeDialog* rangeDialog();
    ColorDialog* colorDialog();

    // Commands.
    void SBOpenClick();
    void SBDeviceClick();
    void SBHelpClick();
    void MenuExitClick();
    void SBSerClick();
    void SBTabClick();
    void SBColorClick();

    // What the open command does once a file was chosen: reads it and shows its one series or its series
    // list, with every message as usual. The file given on the command line opens this way too.
    void openChosenFile(const QString& path);
    // Dropped files: the open command with the first of them as its choice; status panel 1 says when others
    // were left.
    void openDroppedFiles(const QStringList& paths);
    void loadFile(const QString& path);
    void selectSeries(int s);

    // Sizes and places the window for a screen's available area: the design size where it fits, else as
    // much of it as fits, centred.
    void fitToScreen(const QRect& available);

    void setStatusText(int panel, const QString& text);

    // One action per command, shared by the menu and the toolbar.
    MainCommands commands;

    // Toolbar.
    QFrame* toolbar;
    QFrame* servicePanel;
    QFrame* settingsPanel;
    QToolButton *openButton, *deviceLinkButton, *saveTableButton, *seriesListButton, *tableButton;
    QToolButton *averageButton, *gridButton, *printTableButton, *printGraphButton, *zoomButton;
    QToolButton *wholeViewButton, *firstMeasurementButton, *previousMeasurementButton;
    QToolButton *nextMeasurementButton, *lastMeasurementButton, *helpButton, *printerSetupButton;
    QToolButton* colorsButton;

    // Main menu.
    QMenu *fileMenu, *printMenu, *viewMenu, *settingsMenu;

    // Graph area, information panel and status bar.
    GraphWidget* graphWidget;
    InfoPanel* infoPanel;
    StatusPanels* statusPanels;

signals:
    // A key pressed anywhere in the window, before the focused control sees it. A receiver that accepts
    // the event takes the key from the control; the graph's keys go on to it.
    void keyPressed(QKeyEvent* event);
    // The window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    bool FormKeyDown(QKeyEvent& event);
    void buildToolbar();
    void buildMenu();
    void buildStatusBar();
    void wireCommands();
    void connectParts();
    void placeHelpButton();
    void refuseSeries(const QString& message);
    QString tableTitle() const;
    void showOpenedFile();
    void showErrors(const QStringList& messages);
    void followPointer(int k);
    void followReading();
    void showEvaluation(const SeriesChoice& choice);
    void showSeriesList();
    void closeSeriesList();

    WindowServices services_;
    MeasurementDocument document_;
    GraphSurface graph_;
    MeasurementTableModel tableModel_;
    std::unique_ptr<RangeChoice> rangeChoice_;
    std::unique_ptr<TableCommands> tableCommands_;
    std::unique_ptr<PrintCommands> printCommands_;
    std::unique_ptr<ReportCommand> reportCommand_;
    std::unique_ptr<GraphPictureCommand> pictureCommand_;
    std::unique_ptr<ReadingCommands> readingCommands_;
    SpanCommands* spanCommands_ = nullptr; // a child of the window
    SeriesListWindow* seriesList_ = nullptr;
    MeasurementTableWindow* table_ = nullptr;
    ColorDialog* colors_ = nullptr;
    HelpViewer* help_ = nullptr;
    QString lastFileName_;
    QSize designSize_;
    bool iconShown_ = false;
};

// The texts of status panel 0 before a series is chosen, as written; the window shows their translation.
extern const char* const OpenFilePrompt;  // "Откройте файл для просмотра"
extern const char* const ViewingFileText; // "Просмотр файла "
// Status panel 1 after several files were dropped at once.
extern const char* const OnlyFirstFileText; // "Открыт только первый файл: файлы открываются по одному"
