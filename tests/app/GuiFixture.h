#pragma once

#include "app/dialogs/UserDialogs.h"
#include "app/program/Program.h"
#include "app/window/MainWindow.h"

#include <QAction>
#include <QByteArray>
#include <QColor>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QRegion>
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

// Every menu item (separators and submenu headings included) and every toolbar button of the window.
QList<QObject*> CommandObjects(const MainWindow& form);

// Answers every dialog from a script and keeps every message instead of showing it.
class ScriptedDialogs : public UserDialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const SaveDialogRequest& request) override;
    std::optional<SaveChoice> saveFileOfType(QWidget* parent, const SaveDialogRequest& request) override;
    std::optional<QSize> pictureSize(QWidget* parent, QSize onScreen) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void errorBox(QWidget* parent, const QString& text) override;
    void detailedErrorBox(QWidget* parent, const QString& text, const QString& details) override;
    void warningBox(QWidget* parent, const QString& title, const QString& text) override;

    // The open dialog.
    std::deque<QString> answers; // an empty answer, or none left, means the user cancels
    std::vector<OpenDialogRequest> requests;
    // The save dialog and printer setup, which runs a test's choice on the printer.
    std::deque<QString> saveAnswers; // an empty answer, or none left, means the user cancels
    std::vector<SaveDialogRequest> saveRequests;
    // The type of file chosen with each saved answer, as the filter's text; none left means the first filter.
    std::deque<QString> saveFilterAnswers;
    // The picture size prompt: what it was offered, and the answers (none left or nothing: Cancel).
    std::vector<QSize> pictureSizesOffered;
    std::deque<std::optional<QSize>> pictureSizeAnswers;
    std::function<void(QPrinter&)> onPrinterSetup;
    bool printerSetupConfirmed = true; // OK, unless a test presses "Отмена"
    int printerSetups = 0;
    // The colour chooser.
    std::deque<std::optional<QColor>> colorAnswers;
    std::vector<QColor> openedWith;
    // The message boxes.
    QStringList errors;
    QStringList errorDetails;                    // one entry per message, empty where it had none
    std::function<void(const QString&)> onError; // runs while the message would be on screen
    QStringList warnings;
};

// Looks for programs in the folders a test gives, none at first, and records what it would start.
class RecordingLauncher : public ProgramLauncher {
public:
    QStringList searchFolders() const override { return folders; }
    void startHidden(const QString& program) override { started << program; }
    QStringList folders;
    QStringList started;
};

// Keeps the regions a widget is asked to repaint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* target);
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A running program with stand-ins for every dialog, and a folder to write instrument files to.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program afresh, as `radview FILE` does with a file, and waits until its window is exposed.
    void startProgram(const QString& file = QString());

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
    // The same stand-in, named for the dialogs a test plays.
    ScriptedDialogs* tableDialogs = nullptr;
    ScriptedDialogs* chooser = nullptr;
    RecordingLauncher* launcher = nullptr;
    std::unique_ptr<Program> program;
    MainWindow* form = nullptr;
    bool closed = false;
};

// A file with one series of four marks, ten minutes apart: three measurements.
QByteArray OneSeriesFile();
// Three series: two good ones (the second with a bad third mark) and one with a single mark.
QByteArray SeveralSeriesFile();
