#include "tests/app/GuiFixture.h"

#include <QMenuBar>

#include "app/program/KeptReading.h"
#include "app/window/GraphWidget.h"
#include "app/window/SeriesListWindow.h"
#include "app/window/StatusPanels.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const OpenDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty())
        return std::nullopt;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

void ScriptedDialogs::errorBox(QWidget* parent, const QString& text) {
    detailedErrorBox(parent, text, QString());
}

void ScriptedDialogs::detailedErrorBox(QWidget*, const QString& text, const QString& details) {
    errors << text;
    errorDetails << details;
    if (onError)
        onError(text);
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget*, const QColor& initial) {
    openedWith.push_back(initial);
    if (colorAnswers.empty())
        return std::nullopt;
    std::optional<QColor> answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::warningBox(QWidget*, const QString&, const QString& text) {
    warnings << text;
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget*, const SaveDialogRequest& request) {
    saveRequests.push_back(request);
    if (saveAnswers.empty())
        return std::nullopt;
    const QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

std::optional<SaveChoice> ScriptedDialogs::saveFileOfType(QWidget* parent, const SaveDialogRequest& request) {
    QString filter = request.nameFilter;
    if (!saveFilterAnswers.empty()) {
        filter = saveFilterAnswers.front();
        saveFilterAnswers.pop_front();
    }
    const std::optional<QString> path = saveFile(parent, request);
    if (!path)
        return std::nullopt;
    return SaveChoice{*path, filter};
}

std::optional<QSize> ScriptedDialogs::pictureSize(QWidget*, QSize onScreen) {
    pictureSizesOffered.push_back(onScreen);
    if (pictureSizeAnswers.empty())
        return std::nullopt;
    const std::optional<QSize> answer = pictureSizeAnswers.front();
    pictureSizeAnswers.pop_front();
    return answer;
}

bool ScriptedDialogs::printerSetup(QWidget*, QPrinter& printer) {
    ++printerSetups;
    if (onPrinterSetup)
        onPrinterSetup(printer);
    return printerSetupConfirmed;
}

PaintRecorder::PaintRecorder(QWidget* target) {
    target->installEventFilter(this);
}

bool PaintRecorder::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        painted += static_cast<QPaintEvent*>(event)->region();
        ++paints;
    }
    return false;
}

void GuiTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    // Every test starts as on a first start: what an earlier test of this process kept is gone.
    UserSettings()->clear();
    startProgram();
}

void GuiTest::startProgram(const QString& file) {
    program.reset();
    closed = false;
    ProgramServices services;
    auto scripted = std::make_unique<ScriptedDialogs>();
    auto recording = std::make_unique<RecordingLauncher>();
    dialogs = tableDialogs = chooser = scripted.get();
    launcher = recording.get();
    services.dialogs = std::move(scripted);
    services.launcher = std::move(recording);
    program = CreateProgram(std::move(services), file);
    form = program->mainWindow;
    QObject::connect(form, &MainWindow::closed, [this] { closed = true; });
    // Painting needs a window the platform has exposed; the window hands its icon over once painted.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->windowIcon().isNull(); }));
}

void GuiTest::TearDown() {
    program.reset();
}

QString GuiTest::writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

void GuiTest::openThroughDialog(const QString& path) {
    dialogs->answers.push_back(path);
    form->openButton->click();
}

void GuiTest::cancelOpenDialog() {
    dialogs->answers.push_back(QString());
    form->openButton->click();
}

void GuiTest::doubleClickRow(int row) {
    QTreeWidget* list = form->seriesListWindow()->list;
    QTreeWidgetItem* item = list->topLevelItem(row);
    ASSERT_NE(item, nullptr);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

static void AddMenuItems(const QList<QAction*>& items, QList<QObject*>& commands) {
    for (QAction* item : items) {
        commands << item;
        if (item->menu())
            AddMenuItems(item->menu()->actions(), commands);
    }
}

QList<QObject*> CommandObjects(const MainWindow& form) {
    QList<QObject*> commands;
    AddMenuItems(form.menuBar()->actions(), commands);
    for (QToolButton* button : form.toolbar->findChildren<QToolButton*>())
        commands << button;
    return commands;
}

QSet<QString> GuiTest::enabledCommands() const {
    QSet<QString> names;
    for (const QObject* command : CommandObjects(*form))
        if (command->property("enabled").toBool())
            names << command->objectName();
    return names;
}

QSet<QString> GuiTest::StartCommands() {
    return {"MenuFile", "MenuOpen",     "MenuDevice", "N2",     "N1",       "MenuExit",
            "MenuView", "MenuSettings", "MenuHelp",   "SBOpen", "SBDevice", "SBHelp"};
}

// The commands of the classic window.
static QSet<QString> ClassicCommands() {
    return {"MenuFile",     "MenuOpen",  "MenuDevice",  "CreateTextfile1",
            "N2",           "N15",       "N16",         "N17",
            "N1",           "MenuExit",  "MenuView",    "MenuSer",
            "N14",          "N6",        "N7",          "N8",
            "N9",           "N10",       "N11",         "N12",
            "MenuSettings", "N3",        "N4",          "MenuHelp",
            "SBOpen",       "SBDevice",  "SBSaveTable", "SBSer",
            "SBTab",        "SBMiddle",  "SBSetka",     "SBPrintTable",
            "SBPrintGr",    "SBMasGS",   "SBMasGA",     "SBToHome",
            "SBToLeft",     "SBToRight", "SBToEnd",     "SBHelp",
            "SBPrintSetup", "SBColor"};
}

QSet<QString> GuiTest::AllCommands() {
    return ClassicCommands() + QSet<QString>{"SaveGraphPicture", "MenuReport", "MenuUnits",         "UnitBq",
                                             "UnitPCi",          "MenuLevels", "MenuRunningAverage"};
}

QString GuiTest::panel(int index) const {
    return form->statusPanels->panelText(index);
}

QColor GuiTest::graphPixel() const {
    const QImage image = form->graphWidget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool GuiTest::seriesListShown() const {
    return form->seriesListWindow()->isVisible();
}

QByteArray OneSeriesFile() {
    return InstrumentFileBuilder(204, 250)
        .series(5, 24)
        .mark(3, 1, 9, 0, 0)
        .mark(3, 1, 9, 10, 0)
        .mark(3, 1, 9, 20, 0)
        .mark(3, 1, 9, 30, 0)
        .endSeries()
        .bytes();
}

QByteArray SeveralSeriesFile() {
    return InstrumentFileBuilder(77, 250)
        .series(11, 24)
        .mark(1, 5, 8, 0, 0)
        .mark(1, 5, 8, 10, 0)
        .endSeries()
        .series(12, 24)
        .mark(2, 6, 10, 0, 0)
        .mark(2, 6, 10, 10, 0)
        .mark(2, 6, 25, 0, 0)
        .mark(2, 6, 10, 30, 0)
        .endSeries()
        .series(13, 24)
        .mark(2, 7, 11, 0, 0)
        .endSeries()
        .bytes();
}
