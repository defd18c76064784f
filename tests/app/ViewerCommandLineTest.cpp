// The viewer's command line: what it asks for, and the built program's answers, given before any window
// opens.

#include "app/program/ViewerCommandLine.h"
#include "app/program/ProgramVersion.h"
#include "store/NativePath.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

using Request = ViewerCommandLine::Request;

TEST(ViewerCommandLine, WithoutArgumentsTheWindowStartsEmpty) {
    const ViewerCommandLine line = ParseViewerCommandLine({});
    EXPECT_EQ(line.request, Request::Run);
    EXPECT_TRUE(line.file.isEmpty());
}

TEST(ViewerCommandLine, AFileIsOpenedByItsAbsolutePath) {
    const ViewerCommandLine relative = ParseViewerCommandLine({QStringLiteral("samples/one-series.rad")});
    EXPECT_EQ(relative.request, Request::Run);
    EXPECT_EQ(relative.file, QDir::current().absoluteFilePath(QStringLiteral("samples/one-series.rad")));
    EXPECT_EQ(ParseViewerCommandLine({QStringLiteral("/data/a b.rad")}).file,
              QStringLiteral("/data/a b.rad"));
    // After "--" a name that looks like an option is a file.
    const ViewerCommandLine dashed = ParseViewerCommandLine({QStringLiteral("--"), QStringLiteral("--help")});
    EXPECT_EQ(dashed.request, Request::Run);
    EXPECT_EQ(dashed.file, QDir::current().absoluteFilePath(QStringLiteral("--help")));
}

TEST(ViewerCommandLine, HelpAndVersionAreAnsweredWhateverElseIsGiven) {
    EXPECT_EQ(ParseViewerCommandLine({QStringLiteral("--help")}).request, Request::Help);
    EXPECT_EQ(ParseViewerCommandLine({QStringLiteral("a.rad"), QStringLiteral("--help")}).request,
              Request::Help);
    EXPECT_EQ(ParseViewerCommandLine({QStringLiteral("--version")}).request, Request::Version);
    EXPECT_EQ(ParseViewerCommandLine({QStringLiteral("--version"), QStringLiteral("a.rad")}).request,
              Request::Version);
}

TEST(ViewerCommandLine, UnknownOptionsAndMoreThanOneFileAreRefused) {
    const QStringList refused[] = {{QStringLiteral("--bogus")},
                                   {QStringLiteral("-x"), QStringLiteral("a.rad")},
                                   {QStringLiteral("--help=yes")},
                                   {QStringLiteral("a.rad"), QStringLiteral("b.rad")},
                                   {QString()}};
    for (const QStringList& arguments : refused) {
        const ViewerCommandLine line = ParseViewerCommandLine(arguments);
        EXPECT_EQ(line.request, Request::Refused) << arguments.join(' ').toStdString();
        EXPECT_FALSE(line.error.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_TRUE(line.file.isEmpty());
    }
    EXPECT_TRUE(ParseViewerCommandLine({QStringLiteral("--bogus")}).error.contains(QStringLiteral("bogus")));
}

struct ViewerRun {
    int exitCode = -1; // -1: it crashed or had to be stopped
    QByteArray out;
    QByteArray err;
};

// Runs the built viewer. None of these runs may open a window: one that does never ends by itself and is
// stopped, which fails the test.
ViewerRun RunViewer(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RADVIEW_VIEWER_EXE), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), process.readAllStandardError()};
}

QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

QProcessEnvironment Offscreen() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

TEST(ViewerProgram, HelpAndVersionNeedNoDisplay) {
    const ViewerRun help = RunViewer({QStringLiteral("--help")}, WithoutDisplay());
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_EQ(help.out, QByteArray(ViewerUsage));
    EXPECT_TRUE(help.out.startsWith("Использование: radview [FILE]\n"));
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();

    const ViewerRun version = RunViewer({QStringLiteral("--version")}, WithoutDisplay());
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    // The name and version alone on the first line, as help2man reads them; then the copyright and the
    // licence.
    const QList<QByteArray> lines = version.out.split('\n');
    EXPECT_EQ(lines.value(0), QByteArray("radview ") + ProgramVersion);
    EXPECT_TRUE(lines.value(1).startsWith("Copyright (C) 2026 ")) << version.out.toStdString();
    EXPECT_TRUE(lines.value(2).contains("GPL-3.0-or-later")) << version.out.toStdString();
    EXPECT_TRUE(version.out.endsWith('\n'));
    EXPECT_TRUE(version.err.isEmpty()) << version.err.toStdString();
}

TEST(ViewerProgram, AnUnknownOptionGivesTheUsageOnStandardErrorAndStatus2) {
    const ViewerRun run = RunViewer({QStringLiteral("--bogus"), QStringLiteral("a.rad")}, Offscreen());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("radview: неизвестный параметр «--bogus»\n")) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(ViewerUsage)) << run.err.toStdString();

    const ViewerRun twoFiles = RunViewer({QStringLiteral("a.rad"), QStringLiteral("b.rad")}, Offscreen());
    EXPECT_EQ(twoFiles.exitCode, 2);
    EXPECT_TRUE(twoFiles.err.endsWith(ViewerUsage)) << twoFiles.err.toStdString();
}

TEST(ViewerProgram, ARefusedCommandLineNeedsNoDisplay) {
    // Without a display Qt would abort (status 134) had the viewer made its application object first.
    for (const QStringList& arguments : {QStringList{QStringLiteral("--bogus")},
                                         QStringList{QStringLiteral("a.rad"), QStringLiteral("b.rad")}}) {
        const ViewerRun run = RunViewer(arguments, WithoutDisplay());
        EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith(ViewerUsage)) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("could not connect")) << run.err.toStdString();
    }
    const ViewerRun help = RunViewer({QStringLiteral("-h")}, WithoutDisplay());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, QByteArray(ViewerUsage));
}

TEST(ViewerCommandLine, AFileNameKeepsItsBytesAndQtsOptionsAreSkipped) {
    const QString name = PathFromNative("/data/d\xe4.rad");
    const ViewerCommandLine line =
        ParseViewerCommandLine({QStringLiteral("-style"), QStringLiteral("fusion"),
                                QStringLiteral("--platform=xcb"), QStringLiteral("-reverse"), name});
    EXPECT_EQ(line.request, Request::Run) << line.error.toStdString();
    EXPECT_EQ(NativePath(line.file), QByteArray("/data/d\xe4.rad"));
}

TEST(ViewerProgram, QtsOwnOptionsAreLeftToQt) {
    const ViewerRun version =
        RunViewer({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")},
                  WithoutDisplay());
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_TRUE(version.out.startsWith(QByteArray("radview ") + ProgramVersion + '\n'));

    const ViewerRun bogus =
        RunViewer({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")},
                  WithoutDisplay());
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.contains("bogus")) << bogus.err.toStdString();
    EXPECT_FALSE(bogus.err.contains("platform")) << bogus.err.toStdString();
}

} // namespace
