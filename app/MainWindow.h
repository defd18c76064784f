#pragma once

#include "app/SeriesListWindow.h"
#include "store/MeasurementStore.h"

#include <QList>
#include <QMainWindow>

#include <functional>
#include <memory>

class BlankGraph;
class GraphHooks;
class HelpViewer;
class GraphWidget;
class PrintHooks;
class ProgramLauncher;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QToolButton;
class ShellDialogs;
class StatusPanels;
class TableHooks;
class ColorDialog;

// The services the main window reaches outside itself; tests put their own in place of Qt's dialogs.
struct ShellServicesSet {
    ShellDialogs* dialogs;
    ProgramLauncher* launcher;
    QString helpFolder; // where the help file is looked for
    QString openFolder; // the folder the open dialog starts in
};

// The main window: toolbar, menu, graph area, information panel and status bar, the command states, and
// the road from opening a file to a series on screen. It owns the measurement store.
class MainWindow : public QMainWindow, public SeriesListHost {
public:
    explicit MainWindow(const ShellServicesSet& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The secondary windows, created after the main window.
    void attachWindows(ColorDialog* colorDialog, SeriesListWindow* seriesList);
    void SetGraphHooks(GraphHooks* hooks);
    void SetTableHooks(TableHooks* hooks);
    void SetPrintHooks(PrintHooks* hooks);

    MeasurementStore& store() { return store_; }
    const MeasurementStore& store() const { return store_; }

    // Commands.
    void SBOpenClick();
    void SBDeviceClick();
    void SBHelpClick();
    void MenuExitClick();
    void SBSerClick();
    void SBColorClick();

    void loadFile(const QString& path);
    void selectSeries(int s) override;

    void resetCommands() override;
    void enableCommands();

    // What the series list changes on the window.
    void setStatusText(int panel, const QString& text) override;
    void showInstrument(const QString& number, const QString& sensitivity) override;
    void enableSeriesCommand() override;

    // Every menu item (separators and submenu headings included) and every speed button, in design order.
    const QList<QObject*>& commands() const { return commands_; }

    // Run when the main window has closed: the program ends.
    std::function<void()> Closed;

    // Toolbar.
    QFrame* toolbar;
    QFrame* servicePanel;
    QFrame* settingsPanel;
    QToolButton *openButton, *deviceLinkButton, *saveTableButton, *seriesListButton, *tableButton,
        *averageButton, *gridButton;
    QToolButton *printTableButton, *printGraphButton, *zoomButton, *wholeViewButton, *firstMeasurementButton,
        *previousMeasurementButton, *nextMeasurementButton, *lastMeasurementButton;
    QToolButton *helpButton, *printerSetupButton, *colorsButton;

    // Main menu.
    QMenu *fileMenu, *printMenu, *viewMenu, *settingsMenu;
    QAction *openAction, *deviceLinkAction, *saveTableAction, *printSeparator, *printTableAction,
        *printGraphAction, *exitSeparator, *exitAction;
    QAction *seriesListAction, *viewTableAction, *firstMeasurementAction, *nextMeasurementAction,
        *previousMeasurementAction, *lastMeasurementAction, *zoomAction, *wholeViewAction, *averageAction;
    QAction *printerSetupAction, *colorsAction, *helpAction;

    // Graph area, information panel and status bar.
    GraphWidget* graphWidget;
    QGroupBox* infoPanel;
    QLabel *Count, *measurementNumberLabel, *exposureLabel, *startTimeLabel, *endTimeLabel, *activityLabel,
        *averageLabel, *averageFromLabel, *averageToLabel, *instrumentNumberLabel, *sensitivityLabel;
    QFrame* divider;
    StatusPanels* statusPanels;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildToolbar();
    void buildMenu();
    void buildInfoPanel();
    void buildStatusBar();
    void wireCommands();
    void limitSize();
    bool FormKeyDown(QKeyEvent& event);
    void RepaintGraph();
    void showErrors(const QStringList& messages);

    ShellServicesSet services_;
    MeasurementStore store_;
    QList<QObject*> commands_;
    std::unique_ptr<BlankGraph> blankGraph_;
    std::unique_ptr<TableHooks> noTable_;
    std::unique_ptr<PrintHooks> noPrint_;
    GraphHooks* graph_ = nullptr;
    TableHooks* table_ = nullptr;
    PrintHooks* print_ = nullptr;
    ColorDialog* colorDialog_ = nullptr;
    SeriesListWindow* seriesList_ = nullptr;
    HelpViewer* help_ = nullptr;
    QString lastFileName_;
    QSize designSize_;
};
