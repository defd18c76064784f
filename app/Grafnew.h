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
class TPaintBox;
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
class TFormColorDialog;

// The services the main window reaches outside itself; tests put their own in place of Qt's dialogs.
struct ShellServicesSet {
    ShellDialogs* dialogs;
    ProgramLauncher* launcher;
    QString helpFolder; // where the help file is looked for
    QString openFolder; // the folder the open dialog starts in
};

// The main window: toolbar, menu, graph area, information panel and status bar, the command states, and
// the road from opening a file to a series on screen. It owns the measurement store.
class TForm1 : public QMainWindow, public SeriesListHost {
public:
    explicit TForm1(const ShellServicesSet& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The secondary windows, created after the main window.
    void AttachWindows(TFormColorDialog* colorDialog, SeriesListWindow* seriesList);
    void SetGraphHooks(GraphHooks* hooks);
    void SetTableHooks(TableHooks* hooks);
    void SetPrintHooks(PrintHooks* hooks);

    MeasurementStore& Store() { return store_; }
    const MeasurementStore& Store() const { return store_; }

    // Commands.
    void SBOpenClick();
    void SBDeviceClick();
    void SBHelpClick();
    void MenuExitClick();
    void SBSerClick();
    void SBColorClick();

    void LoadFile(const QString& path);
    void SelectSeries(int s) override;

    void ResetCommands() override;
    void EnableCommands();

    // What the series list changes on the window.
    void SetStatusText(int panel, const QString& text) override;
    void ShowInstrument(const QString& number, const QString& sensitivity) override;
    void EnableSeriesCommand() override;

    // Every menu item (separators and submenu headings included) and every speed button, in design order.
    const QList<QObject*>& Commands() const { return commands_; }

    // Run when the main window has closed: the program ends.
    std::function<void()> Closed;

    // Toolbar.
    QFrame* Panel1;
    QFrame* PlService;
    QFrame* Panel3;
    QToolButton *SBOpen, *SBDevice, *SBSaveTable, *SBSer, *SBTab, *SBMiddle, *SBSetka;
    QToolButton *SBPrintTable, *SBPrintGr, *SBMasGS, *SBMasGA, *SBToHome, *SBToLeft, *SBToRight, *SBToEnd;
    QToolButton *SBHelp, *SBPrintSetup, *SBColor;

    // Main menu.
    QMenu *MenuFile, *N15, *MenuView, *MenuSettings;
    QAction *MenuOpen, *MenuDevice, *CreateTextfile1, *N2, *N16, *N17, *N1, *MenuExit;
    QAction *MenuSer, *N14, *N6, *N7, *N8, *N9, *N10, *N11, *N12;
    QAction *N3, *N4, *MenuHelp;

    // Graph area, information panel and status bar.
    TPaintBox* PaintBox;
    QGroupBox* GroupBox1;
    QLabel *Count, *NIsm, *TimIsm, *TimBeg, *TimEnd, *lblActiv, *usrznach, *usrnach, *usrkon, *lblNpr, *lblSw;
    QFrame* Bevel1;
    StatusPanels* StBMain;

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
    TFormColorDialog* FormColorDialog = nullptr;
    SeriesListWindow* FormSer = nullptr;
    HelpViewer* help_ = nullptr;
    QString lastFileName_;
    QSize designSize_;
};
