#pragma once

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/ShellServices.h"
#include "app/TableDialogs.h"
#include "app/ViewHooks.h"
#include "app/colors/ColorChooser.h"

#include <QAction>
#include <QByteArray>
#include <QColor>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Answers the open dialog from a script and keeps every error message instead of showing it.
class ScriptedDialogs : public ShellDialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenDialogRequest& request) override;
    void errorBox(QWidget* parent, const QString& text) override;
    void detailedErrorBox(QWidget* parent, const QString& text, const QString& details) override;

    std::deque<QString> answers; // an empty answer, or none left, means the user cancels
    std::vector<OpenDialogRequest> requests;
    QStringList errors;
    QStringList errorDetails;                    // one entry per message, empty where it had none
    std::function<void(const QString&)> onError; // runs while the message would be on screen
};

class RecordingLauncher : public ProgramLauncher {
public:
    void startHidden(const QString& program) override { started << program; }
    QStringList started;
};

class ScriptedChooser : public ColorChooser {
public:
    std::optional<QColor> choose(QWidget* parent, const QColor& initial) override;
    std::deque<std::optional<QColor>> answers;
    std::vector<QColor> openedWith;
};

// Answers the save dialog from a script; printer setup runs a test's choice on the printer.
class ScriptedTableDialogs : public TableDialogs {
public:
    std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) override;
    void printerSetup(QWidget* parent, QPrinter& printer) override;

    std::deque<QString> saveAnswers; // an empty answer, or none left, means the user cancels
    std::vector<SaveDialogRequest> saveRequests;
    std::function<void(QPrinter&)> onPrinterSetup;
    int printerSetups = 0;
};

// Counts paints of the graph area and keeps the keys that reach the window.
class RecordingGraph : public GraphHooks {
public:
    void GrPaint(QPainter& painter, const QRect& area) override;
    bool FormKeyDown(const QKeyEvent& event) override;
    int paints = 0;
    std::vector<int> keys;
};

// A running program with stand-ins for every dialog, and a folder to write instrument files to.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes an instrument file and answers the next open dialog with it, then clicks the open button.
    QString writeFile(const QString& name, const QByteArray& bytes);
    void openThroughDialog(const QString& path);
    void cancelOpenDialog();
    // Double-clicks row index (0-based) of the series list, as the user would.
    void doubleClickRow(int row);

    // Names of the commands that respond now.
    QSet<QString> enabledCommands() const;
    static QSet<QString> StartCommands();
    static QSet<QString> AllCommands();

    QString panel(int index) const;
    QColor graphPixel() const;
    bool seriesListShown() const;

    QTemporaryDir dir;
    ScriptedDialogs* dialogs = nullptr;
    RecordingLauncher* launcher = nullptr;
    ScriptedChooser* chooser = nullptr;
    ScriptedTableDialogs* tableDialogs = nullptr;
    std::unique_ptr<Program> program;
    MainWindow* form = nullptr;
    bool closed = false;
};

// A file with one series of four marks, ten minutes apart: three measurements.
QByteArray OneSeriesFile();
// Three series: two good ones (the second with a bad third mark) and one with a single mark.
QByteArray SeveralSeriesFile();
