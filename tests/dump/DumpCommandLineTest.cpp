// radview-dump's command line: one action a run, every refused combination named with the usage, "-" for
// standard input and output, an output that is standard output itself, and file names that are bytes.

#include "dump/DumpArgs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Sample = QStringLiteral(RADVIEW_SAMPLES_DIR "/one-series.rad");

TEST(DumpCommandLine, EveryRefusedCombinationIsNamedWithTheUsage) {
    struct Refused {
        QStringList arguments;
        const char* said;
    };
    const Refused cases[] = {
        {{"f.rad", "--series", "1", "--save-table", "1", "3", "t.txt", "--csv", "1", "3", "c.csv"},
         "одно действие, а указаны --save-table и --csv"},
        {{"f.rad", "--series", "1", "--average", "1", "3", "--png", "10", "10", "d.png", "--average", "1",
          "4"},
         "одно действие, а указаны --average и --png"},
        {{"f.rad", "--series", "2"}, "параметр --series не используется с выводом файла в JSON"},
        {{"f.rad", "--series", "1", "--save-table", "1", "3", "t.txt", "--grid"},
         "параметр --grid не используется с --save-table"},
        {{"f.rad", "--series", "1", "--print-table", "1", "3", "t.pdf", "--view", "1", "2"},
         "параметр --view не используется с --print-table"},
        {{"f.rad", "--series", "1", "--report", "1", "3", "r.pdf", "--levels", "100", "--levels", "200"},
         "параметр --levels указан дважды"},
        {{"f.rad", "--series", "1", "--series", "1", "--average", "1", "2"},
         "параметр --series указан дважды"},
        {{"f.rad", "--bogus"}, "неизвестный параметр «--bogus»"},
        {{"--bogus"}, "неизвестный параметр «--bogus»"},
        {{"a.rad", "b.rad"}, "лишний файл «b.rad»"},
        {{"f.rad", "--save-table", "1", "3", "t.txt"}, "для --save-table нужен --series S"},
        {{"--series", "1", "--average", "1", "2"}, "не указан FILE"},
        {{"f.rad", "--series", "1", "--png", "10", "x", "p.png"}, "--png: нужны W H OUT.png"},
        {{"f.rad", "--series", "1", "--report", "1", "3", "r.pdf", "--levels", "1,2,3,4,5,6,7,8,9,10,11"},
         "--levels: нужен L1,L2,... (не более 10)"},
        {{"f.rad", "--series", "1", "--print-graph", "g.pdf", "--wait"},
         "параметр --wait используется только с --printer"},
        {{"f.rad", "--series", "1", "--save-table", "1", "3", "t.txt", "--paper", "A5"},
         "параметр --paper не используется с --save-table"},
        {{"f.rad", "--series", "1", "--print-table", "1", "3", "t.pdf", "--paper", "B5"},
         "--paper: нужен A4, A5, Letter или Legal"},
        {{"f.rad", "--series", "1", "--print-graph", "--printer"},
         "--print-graph: нужны OUT.pdf или --printer NAME"},
        {{"f.rad", "--series", "1", "--png", "9", "9", "p.png", "--warning-colour", "orange"},
         "--warning-colour: нужен цвет вида #RRGGBB"},
        {{"f.rad", "--series", "1", "--svg", "9", "9", "p.svg", "--average-window", "0"},
         "--average-window: нужен размер окна в часах от 1 до 8784"},
        {{"f.rad", "--series", "1", "--png", "9", "9", "p.png", "--average-window", "8785"},
         "--average-window: нужен размер окна в часах от 1 до 8784"},
        {{"f.rad", "--series", "1", "--print-graph", "g.pdf", "--levels", "100"},
         "параметр --levels не используется с --print-graph"},
        {{"f.rad", "--series", "1", "--report", "1", "3", "r.pdf", "--pointer", "2"},
         "параметр --pointer не используется с --report"},
        {{"f.rad", "--series", "1", "--svg", "9", "9", "p.svg", "--unit", "mg/l"},
         "--unit: нужен pCi/L или Bq/m3"},
        {{"f.rad", "--series", "1", "--png", "9", "9", "p.png", "--unit"}, "--unit: нужен pCi/L или Bq/m3"},
        {{"f.rad", "--series", "1", "--csv", "1", "3", "c.csv", "--unit", "pCi/L"},
         "параметр --unit не используется с --csv"},
        {{"--summary", "a.rad", "--grid"}, nullptr}, // after --summary every argument is a file
        {{"f.rad", "--series", "1", "--print-table", "1", "3", "--printer", "-", "--wait", "--paper", "A5"},
         nullptr},
    };
    for (const Refused& refused : cases) {
        const DumpArgsResult parsed = ParseDumpArgs(refused.arguments);
        SCOPED_TRACE(refused.arguments.join(' ').toStdString());
        if (!refused.said) {
            EXPECT_TRUE(parsed.args.has_value()) << parsed.error.toStdString();
            continue;
        }
        ASSERT_FALSE(parsed.args.has_value());
        EXPECT_TRUE(parsed.error.startsWith(QString::fromUtf8(refused.said)) ||
                    parsed.error.contains(QString::fromUtf8(refused.said)))
            << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.endsWith(QString::fromUtf8(DumpUsage))) << parsed.error.toStdString();
    }
    // A picture's marks are read as given.
    const DumpArgsResult marked =
        ParseDumpArgs({"f.rad", "--series", "1", "--png", "9", "9", "p.png", "--levels", "300,100",
                       "--warning-colour", "#A0b0C0", "--average-window", "8784"});
    ASSERT_TRUE(marked.args.has_value()) << marked.error.toStdString();
    EXPECT_EQ(marked.args->levels, (std::vector<int64_t>{300, 100}));
    EXPECT_EQ(marked.args->warningColour, QStringLiteral("#A0b0C0"));
    EXPECT_EQ(marked.args->averageWindowHours, 8784);
    EXPECT_EQ(marked.args->unit, ActivityUnit::BecquerelPerCubicMetre);
    // A report takes the picture's marks and, as the pictures do, the unit by either name in any case.
    const DumpArgsResult report =
        ParseDumpArgs({"f.rad", "--series", "1", "--report", "1", "3", "r.pdf", "--unit", "PCI/l", "--levels",
                       "200", "--warning-colour", "#00c000", "--average-window", "12"});
    ASSERT_TRUE(report.args.has_value()) << report.error.toStdString();
    EXPECT_EQ(report.args->unit, ActivityUnit::PicocuriePerLitre);
    EXPECT_EQ(report.args->warningColour, QStringLiteral("#00c000"));
    EXPECT_EQ(report.args->averageWindowHours, 12);
    for (const char* picture : {"--png", "--svg"}) {
        const DumpArgsResult inBecquerels =
            ParseDumpArgs({"f.rad", "--series", "1", picture, "9", "9", "p", "--unit", "Bq/m³"});
        ASSERT_TRUE(inBecquerels.args.has_value()) << inBecquerels.error.toStdString();
        EXPECT_EQ(inBecquerels.args->unit, ActivityUnit::BecquerelPerCubicMetre);
    }
    // -h is --help.
    const DumpArgsResult help = ParseDumpArgs({"-h"});
    ASSERT_TRUE(help.args.has_value());
    EXPECT_EQ(help.args->action, DumpArgs::Action::Help);
}

TEST(DumpCommandLine, TheHelpIsLaidOutForHelp2man) {
    const QStringList lines = QString::fromUtf8(DumpUsage).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("Использование: radview-dump ")));
    // Option lines are indented and start with the option.
    for (const char* option :
         {"      --series S", "      --save-table FIRST LAST OUT", "  -h, --help", "      --version"}) {
        const auto starts = [option](const QString& line) {
            return line.startsWith(QString::fromUtf8(option));
        };
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), starts)) << option;
    }
    EXPECT_TRUE(DumpVersionText().startsWith("radview-dump "));
}

// The program run with arguments given as bytes, standard input from `input`, standard output to the file
// outputPath (appended to) and standard error captured.
struct RawRun {
    int exitCode = -1;
    QByteArray err;
};

RawRun RunRaw(const QList<QByteArray>& arguments, const QString& outputPath, const QByteArray& input = {},
              bool withoutRuntimeFolder = false) {
    QTemporaryDir scratch;
    const QByteArray inputPath = QFile::encodeName(scratch.filePath("in"));
    const QByteArray errorPath = QFile::encodeName(scratch.filePath("err"));
    QFile in(QString::fromLocal8Bit(inputPath));
    if (!in.open(QIODevice::WriteOnly))
        return {};
    in.write(input);
    in.close();
    const pid_t child = fork();
    if (child == 0) {
        const int stdinFd = ::open(inputPath.constData(), O_RDONLY);
        const int stdoutFd =
            ::open(QFile::encodeName(outputPath).constData(), O_WRONLY | O_APPEND | O_CREAT, 0644);
        const int stderrFd = ::open(errorPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(stdinFd, 0);
        ::dup2(stdoutFd, 1);
        ::dup2(stderrFd, 2);
        if (withoutRuntimeFolder)
            ::unsetenv("XDG_RUNTIME_DIR");
        ::unsetenv("QT_QPA_PLATFORM");
        std::vector<char*> argv{const_cast<char*>(RADVIEW_DUMP_EXE)};
        for (const QByteArray& argument : arguments)
            argv.push_back(const_cast<char*>(argument.constData()));
        argv.push_back(nullptr);
        ::execv(RADVIEW_DUMP_EXE, argv.data());
        _exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QFile err(QString::fromLocal8Bit(errorPath));
    err.open(QIODevice::ReadOnly);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err.readAll()};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class DumpStreams : public ::testing::Test {
protected:
    void SetUp() override {
        QFile sample(Sample);
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        sampleBytes = sample.readAll();
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QByteArray native(const char* name) const { return QFile::encodeName(path(name)); }

    QTemporaryDir dir;
    QByteArray sampleBytes;
};

TEST_F(DumpStreams, DashIsStandardInputAsFileAndStandardOutputAsEveryOutput) {
    const QByteArray sample = QFile::encodeName(Sample);
    ASSERT_EQ(RunRaw({sample}, path("json-file")).exitCode, 0);
    ASSERT_EQ(RunRaw({"-"}, path("json-stdin"), sampleBytes).exitCode, 0);
    // The same file read from standard input, named "-".
    EXPECT_EQ(ReadAll(path("json-stdin")), ReadAll(path("json-file")).replace("one-series.rad", "-"));

    ASSERT_EQ(
        RunRaw({sample, "--series", "1", "--save-table", "1", "3", native("t.txt")}, path("o")).exitCode, 0);
    ASSERT_EQ(RunRaw({"-", "--series", "1", "--save-table", "1", "3", "-"}, path("table-out"), sampleBytes)
                  .exitCode,
              0);
    EXPECT_EQ(ReadAll(path("table-out")).mid(ReadAll(path("table-out")).indexOf("\r\n")),
              ReadAll(path("t.txt")).mid(ReadAll(path("t.txt")).indexOf("\r\n")));
    EXPECT_FALSE(QFile::exists(path("-")));

    // At most 8196 bytes are read from standard input, as from a file: what follows is never looked at.
    ASSERT_EQ(RunRaw({"-"}, path("json-long"), sampleBytes.leftJustified(20000, '\x8f')).exitCode, 0);
}

TEST_F(DumpStreams, AnOutputThatIsStandardOutputItselfIsAppendedNeverReplaced) {
    QFile log(path("f.txt"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("before\n");
    log.close();
    struct stat before {};
    ASSERT_EQ(::stat(native("f.txt").constData(), &before), 0);
    const QByteArray sample = QFile::encodeName(Sample);
    for (const QByteArray& name :
         {QByteArray("/dev/stdout"), QByteArray("/proc/self/fd/1"), native("f.txt")}) {
        const RawRun run = RunRaw({sample, "--series", "1", "--csv", "1", "2", name}, path("f.txt"));
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    const QByteArray text = ReadAll(path("f.txt"));
    EXPECT_TRUE(text.startsWith("before\n")) << text.toStdString();
    EXPECT_EQ(text.count("\n") - 1, 3 * 3) << text.toStdString(); // a header and two rows, three times
    struct stat after {};
    ASSERT_EQ(::stat(native("f.txt").constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(DumpStreams, NamesThatAreNoUtf8NameTheirOwnFiles) {
    const QByteArray input = native("data") + "\xe4.rad";
    const QByteArray output = native("out") + "\xe4.txt";
    QFile copy(QString::fromLocal8Bit(native("plain.rad")));
    ASSERT_TRUE(QFile::copy(Sample, copy.fileName()));
    ASSERT_EQ(::rename(native("plain.rad").constData(), input.constData()), 0);

    const RawRun json = RunRaw({input}, path("json"));
    EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
    const RawRun table = RunRaw({input, "--series", "1", "--save-table", "1", "3", output}, path("o"));
    EXPECT_EQ(table.exitCode, 0) << table.err.toStdString();
    struct stat st {};
    EXPECT_EQ(::stat(output.constData(), &st), 0);
    EXPECT_NE(::stat((native("out") + "\xef\xbf\xbd.txt").constData(), &st), 0);
    const RawRun summary = RunRaw({"--summary", input}, path("summary"));
    EXPECT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    // A missing one is named for reading: the byte shown as U+FFFD, the message in Russian.
    const RawRun missing = RunRaw({native("gone") + "\xe4.rad"}, path("o"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(missing.err).contains(QStringLiteral("gone\uFFFD.rad")))
        << missing.err.toStdString();
}

TEST_F(DumpStreams, UsageErrorsAreRussianAndNoStrayQtLineIsPrinted) {
    const RawRun bogus = RunRaw({"--bogus"}, path("o"));
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.startsWith("radview-dump: неизвестный параметр «--bogus»\n"))
        << bogus.err.toStdString();
    EXPECT_TRUE(bogus.err.contains(DumpUsage));

    const QByteArray sample = QFile::encodeName(Sample);
    const RawRun picture =
        RunRaw({sample, "--series", "1", "--svg", "80", "45", native("g.svg")}, path("o"), {}, true);
    EXPECT_EQ(picture.exitCode, 0) << picture.err.toStdString();
    EXPECT_TRUE(picture.err.isEmpty()) << picture.err.toStdString();
    // The picture states its size in pixels, so that it renders at 80 × 45.
    const QByteArray svg = ReadAll(path("g.svg"));
    EXPECT_TRUE(svg.contains("width=\"80px\" height=\"45px\"")) << svg.left(400).toStdString();
}

} // namespace
