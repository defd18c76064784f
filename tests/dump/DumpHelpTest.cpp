// radview-dump --help and --version, and a usage that lists every command the README shows.

#include "app/program/ProgramVersion.h"
#include "dump/DumpArgs.h"
#include "dump/DumpCommands.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString Simplified(const QString& text) {
    return text.simplified();
}

// The command lines the README shows for radview-dump: its indented lines that start with the program's
// name, without their trailing comments.
QStringList ReadmeCommands() {
    QFile readme(QStringLiteral(RADVIEW_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    QStringList commands;
    const QRegularExpression line(QStringLiteral("^    (radview-dump [^#]*)"));
    for (const QString& text : QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n')))
        if (const QRegularExpressionMatch match = line.match(text); match.hasMatch())
            commands << Simplified(match.captured(1));
    return commands;
}

TEST(DumpHelp, HelpAndVersionAreAnsweredWhereverTheyStand) {
    const QStringList helps[] = {{"--help"}, {"f.rad", "--help"}, {"f.rad", "--series", "1", "--help"}};
    for (const QStringList& arguments : helps) {
        const DumpArgsResult parsed = ParseDumpArgs(arguments);
        ASSERT_TRUE(parsed.args.has_value()) << parsed.error.toStdString();
        EXPECT_EQ(parsed.args->action, DumpArgs::Action::Help) << arguments.join(' ').toStdString();
        EXPECT_FALSE(parsed.args->draws());
    }
    const DumpArgsResult version = ParseDumpArgs({"--version"});
    ASSERT_TRUE(version.args.has_value());
    EXPECT_EQ(version.args->action, DumpArgs::Action::Version);
    // As the operand of an option it is only a name.
    const DumpArgsResult named = ParseDumpArgs({"f.rad", "--series", "1", "--print-graph", "--help"});
    ASSERT_TRUE(named.args.has_value());
    EXPECT_EQ(named.args->action, DumpArgs::Action::PrintGraph);
    EXPECT_EQ(named.args->output, QStringLiteral("--help"));
}

TEST(DumpHelp, TheUsageListsEveryCommandOfTheReadme) {
    const QStringList commands = ReadmeCommands();
    ASSERT_GE(commands.size(), 8) << commands.join('\n').toStdString();
    const QString usage = Simplified(QString::fromUtf8(DumpUsage));
    for (const QString& command : commands)
        EXPECT_TRUE(usage.contains(command)) << "the usage lacks: " << command.toStdString();
    EXPECT_TRUE(commands.contains(QStringLiteral("radview-dump --help")));
    EXPECT_TRUE(commands.contains(QStringLiteral("radview-dump --version")));
}

struct DumpRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Without a display: neither answer needs one.
DumpRun RunDump(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RADVIEW_DUMP_EXE), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(DumpHelp, TheBuiltProgramPrintsItsUsageAndVersion) {
    const DumpRun help = RunDump({"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_EQ(help.out, QByteArray(DumpUsage) + '\n');
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();

    const DumpRun version = RunDump({"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    const QList<QByteArray> lines = version.out.split('\n');
    EXPECT_EQ(lines.value(0), QByteArray("radview-dump ") + ProgramVersion);
    EXPECT_TRUE(lines.value(1).startsWith("Copyright (C) 2026 ")) << version.out.toStdString();
    EXPECT_TRUE(lines.value(2).contains("GPL-3.0-or-later")) << version.out.toStdString();
    EXPECT_TRUE(version.err.isEmpty()) << version.err.toStdString();
}

TEST(DumpHelp, AnUnknownOptionStillGivesTheUsageOnStandardError) {
    const DumpRun run = RunDump({"f.rad", "--bogus"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("неизвестный параметр «--bogus»")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(DumpUsage)) << run.err.toStdString();
}

} // namespace
