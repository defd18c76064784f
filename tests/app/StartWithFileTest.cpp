// `radview FILE`: the file given at start opens as the open command opens a chosen file.

#include "tests/app/GuiFixture.h"
#include "tests/app/WindowSnapshot.h"

#include "app/program/ProgramStart.h"
#include "app/program/ViewerCommandLine.h"
#include "graph/ColorScheme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

const QString kPrompt = QStringLiteral("Откройте файл для просмотра");

QString Sample(const char* name) {
    return QDir(QStringLiteral(RADVIEW_SAMPLES_DIR)).absoluteFilePath(QString::fromLatin1(name));
}

// The arguments as main() takes them from argv.
QStringList NativeArgumentsOf(QList<QByteArray> arguments) {
    arguments.prepend("radview");
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    return NativeArguments(static_cast<int>(argv.size()), argv.data());
}

class StartWithFile : public GuiTest {
protected:
    // The program as `radview FILE` starts it, once its event loop has run what was queued at start.
    WindowSnapshot startWith(const QString& file) {
        startProgram(file);
        QCoreApplication::processEvents();
        return TakeSnapshot(*form);
    }

    // A fresh program, the same file chosen in its open dialog.
    WindowSnapshot openedThroughDialog(const QString& file) {
        startProgram();
        openThroughDialog(file);
        return TakeSnapshot(*form);
    }
};

TEST_F(StartWithFile, OneSeriesIsShownAsTheOpenCommandShowsIt) {
    const QString file = Sample("one-series.rad");
    const WindowSnapshot started = startWith(file);
    const QStringList startErrors = dialogs->errors;

    EXPECT_TRUE(started.panel0.startsWith(QStringLiteral("Файл one-series.rad; Серия N ")))
        << started.panel0.toStdString();
    EXPECT_FALSE(started.seriesListShown);
    EXPECT_FALSE(started.noSeriesChosen);
    EXPECT_EQ(started.enabledCommands, (AllCommands() - QSet<QString>{"SBSer", "MenuSer"}));
    EXPECT_FALSE(started.valueTexts.first().isEmpty()); // the measurement count

    EXPECT_EQ(started, openedThroughDialog(file));
    EXPECT_EQ(startErrors, dialogs->errors);
}

TEST_F(StartWithFile, AFileWhoseNameIsNoUtf8OpensTheFileOfThoseBytes) {
    QTemporaryDir folder;
    const QByteArray bytes = QFile::encodeName(folder.path()) + "/data\xe4.rad";
    ASSERT_TRUE(QFile::copy(Sample("one-series.rad"), folder.filePath(QStringLiteral("plain.rad"))));
    ASSERT_EQ(::rename(QFile::encodeName(folder.filePath(QStringLiteral("plain.rad"))).constData(),
                       bytes.constData()),
              0);
    const QStringList arguments = NativeArgumentsOf({bytes});
    const ViewerCommandLine line = ParseViewerCommandLine(arguments);
    const WindowSnapshot started = startWith(line.file);
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    EXPECT_TRUE(started.panel0.startsWith(QStringLiteral("Файл data\uFFFD.rad; Серия N ")))
        << started.panel0.toStdString();
    ::unlink(bytes.constData());
}

TEST_F(StartWithFile, SeveralSeriesShowTheSeriesListAsTheOpenCommandShowsIt) {
    const QString file = Sample("several-series.rad");
    const WindowSnapshot started = startWith(file);

    EXPECT_EQ(started.panel0, QStringLiteral("Просмотр файла several-series.rad"));
    EXPECT_TRUE(started.seriesListShown);
    EXPECT_GT(started.seriesListRows.size(), 1);
    EXPECT_EQ(started.enabledCommands, (StartCommands() + QSet<QString>{"SBSer", "MenuSer"}));
    EXPECT_TRUE(dialogs->errors.isEmpty());

    EXPECT_EQ(started, openedThroughDialog(file));

    // Choosing from the list goes on as after the open command.
    startWith(file);
    doubleClickRow(0);
    EXPECT_FALSE(seriesListShown());
    EXPECT_TRUE(panel(0).startsWith(QStringLiteral("Файл several-series.rad; Серия N ")))
        << panel(0).toStdString();
}

TEST_F(StartWithFile, AMissingFileIsReportedAndTheWindowIsInItsStartState) {
    const WindowSnapshot atStart = TakeSnapshot(*form);
    const QString missing = dir.filePath(QStringLiteral("missing.rad"));
    WindowSnapshot started = startWith(missing);

    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors.first().contains(missing)) << dialogs->errors.first().toStdString();
    // Panel 1 is blanked to a space, as after every open command; blank it is either way.
    EXPECT_TRUE(started.panel1.trimmed().isEmpty()) << started.panel1.toStdString();
    started.panel1 = atStart.panel1;
    EXPECT_EQ(started, atStart);
    EXPECT_EQ(started.panel0, kPrompt);
    EXPECT_EQ(started.enabledCommands, StartCommands());
    EXPECT_FALSE(started.noSeriesChosen);
    EXPECT_NE(graphPixel(), EmptyAreaColor);
}

// Opened from the event loop, so that the program has connected the window's closing before any message
// about the file is shown: closing the window under that message still ends the program.
TEST_F(StartWithFile, TheFileIsOpenedOnceTheEventLoopRuns) {
    program.reset();
    form = nullptr;
    ProgramServices services;
    services.dialogs = std::make_unique<ScriptedDialogs>();
    services.launcher = std::make_unique<RecordingLauncher>();
    const std::unique_ptr<Program> started = CreateProgram(std::move(services), Sample("one-series.rad"));
    EXPECT_EQ(started->mainWindow->store().file.seriesCount, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(started->mainWindow->store().file.seriesCount, 1);
    EXPECT_FALSE(started->mainWindow->document().noSeriesChosen());
}

TEST_F(StartWithFile, TheNextOpenDialogOffersTheFileGiven) {
    const QString file = Sample("several-series.rad");
    startWith(file);
    cancelOpenDialog();

    ASSERT_EQ(dialogs->requests.size(), 1u);
    EXPECT_EQ(dialogs->requests[0].directory, QStringLiteral(RADVIEW_SAMPLES_DIR));
    EXPECT_EQ(dialogs->requests[0].fileName, QStringLiteral("several-series.rad"));
}

} // namespace
