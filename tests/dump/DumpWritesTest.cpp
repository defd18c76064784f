// radview-dump run as a program, as scripts run it, against the failures a write meets: a full disk, a
// target that is no regular file, a standard output that takes nothing, and numbers too large to hold.

#include "tests/support/PdfCheck.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString Sample = QStringLiteral(RADVIEW_SAMPLES_DIR "/one-series.rad");
const QByteArray OldContents = "twenty bytes of text";

struct DumpRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

struct RunOptions {
    // The largest file the child may write; beyond it a write fails with EFBIG, as on a full disk.
    std::optional<rlim_t> fileSizeLimit;
    bool sizeSignalIgnored = true; // as the shell test has it: trap '' XFSZ
    QString standardOutput;        // a file for standard output instead of a pipe
};

DumpRun RunDump(const QStringList& args, const RunOptions& options = {}) {
    QProcess process;
    if (options.fileSizeLimit) {
        const rlim_t limit = *options.fileSizeLimit;
        const bool ignored = options.sizeSignalIgnored;
        process.setChildProcessModifier([limit, ignored] {
            // Ignored, the signal does not kill the writer: the write fails and the program must say so.
            std::signal(SIGXFSZ, ignored ? SIG_IGN : SIG_DFL);
            const rlimit size{limit, limit};
            setrlimit(RLIMIT_FSIZE, &size);
        });
    }
    if (!options.standardOutput.isEmpty())
        process.setStandardOutputFile(options.standardOutput);
    process.start(QStringLiteral(RADVIEW_DUMP_EXE), args);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// One kind of file radview-dump writes: its arguments for a target and what a whole file of it starts with.
struct Output {
    const char* name;
    QStringList arguments;
    QByteArray magic;
};

std::vector<Output> Outputs() {
    return {
        {"table.txt",
         {"--series", "1", "--save-table", "1", "3"},
         QByteArray("\x94\xa0\xa9\xab", 4)}, // "Файл"
        {"graph.png", {"--series", "1", "--png", "200", "100"}, QByteArray("\x89PNG\r\n\x1a\n")},
        {"graph.svg", {"--series", "1", "--svg", "200", "100"}, QByteArray("<?xml")},
        {"span.csv", {"--series", "1", "--csv", "1", "3"}, QByteArray("number,start,end,")},
        {"graph.pdf", {"--series", "1", "--print-graph"}, QByteArray("%PDF-")},
        {"table.pdf", {"--series", "1", "--print-table", "1", "3"}, QByteArray("%PDF-")},
        {"report.pdf", {"--series", "1", "--report", "1", "3"}, QByteArray("%PDF-")},
    };
}

QStringList ArgumentsFor(const Output& output, const QString& target) {
    return QStringList{Sample} + output.arguments + QStringList{target};
}

class DumpWrites : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path(const QString& name) const { return folder.filePath(name); }
};

TEST_F(DumpWrites, AFullDiskKeepsTheOldFileOfEveryOutput) {
    for (const Output& output : Outputs()) {
        SCOPED_TRACE(output.name);
        // How large the whole file is, written elsewhere without a limit.
        QTemporaryDir elsewhere;
        const QString reference = elsewhere.filePath(QString::fromLatin1(output.name));
        const DumpRun whole = RunDump(ArgumentsFor(output, reference));
        ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
        const qint64 size = QFileInfo(reference).size();
        ASSERT_GT(size, 0);

        const QString target = path(QString::fromLatin1(output.name));
        for (const rlim_t limit : {rlim_t{0}, static_cast<rlim_t>(size / 2)}) {
            SCOPED_TRACE(limit);
            QFile::remove(target);
            QFile old(target);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            ASSERT_EQ(old.write(OldContents), OldContents.size());
            old.close();

            const DumpRun run = RunDump(ArgumentsFor(output, target), {limit, true, {}});
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.err.contains(QStringLiteral("Не удалось сохранить файл «%1»").arg(target)))
                << run.err.toStdString();
            EXPECT_EQ(ReadAll(target), OldContents);
            EXPECT_EQ(Entries(folder.path()), QStringList{QString::fromLatin1(output.name)});
        }
        // Without the limit the same command replaces the old file with a whole one.
        const DumpRun run = RunDump(ArgumentsFor(output, target));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray written = ReadAll(target);
        EXPECT_TRUE(written.startsWith(output.magic));
        EXPECT_EQ(written.size(), size);
        if (output.magic == "%PDF-") {
            EXPECT_TRUE(IsCompletePdf(written));
        }
        EXPECT_EQ(Entries(folder.path()), QStringList{QString::fromLatin1(output.name)});
        QFile::remove(target);
    }
}

TEST_F(DumpWrites, AFileSizeLimitIsReportedEvenWhereItsSignalWouldKill) {
    const QString target = path(QStringLiteral("table.txt"));
    const DumpRun run = RunDump(ArgumentsFor(Outputs()[0], target), {rlim_t{0}, false, {}});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("превышен допустимый размер файла")))
        << run.err.toStdString();
    EXPECT_TRUE(Entries(folder.path()).isEmpty());
}

TEST_F(DumpWrites, AFifoIsRefusedAndStaysAFifo) {
    const QString fifo = path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A reader keeps a writer from blocking on the pipe, should one open it after all.
    const int reader = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    for (const Output& output : Outputs()) {
        SCOPED_TRACE(output.name);
        const DumpRun run = RunDump(ArgumentsFor(output, fifo));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QStringLiteral("«%1»: это не обычный файл.").arg(fifo)))
            << run.err.toStdString();
        struct stat after {};
        ASSERT_EQ(lstat(QFile::encodeName(fifo).constData(), &after), 0);
        EXPECT_TRUE(S_ISFIFO(after.st_mode));
        EXPECT_EQ(Entries(folder.path()), QStringList{QStringLiteral("pipe")});
    }
    char byte = 0;
    EXPECT_LE(read(reader, &byte, 1), 0) << "something was written into the pipe";
    close(reader);
}

TEST_F(DumpWrites, ADeviceNodeIsRefusedAndStaysADevice) {
    const QString device = path(QStringLiteral("null"));
    if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node needs root";
    for (const Output& output : Outputs()) {
        SCOPED_TRACE(output.name);
        const DumpRun run = RunDump(ArgumentsFor(output, device));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QStringLiteral("«%1»: это не обычный файл.").arg(device)))
            << run.err.toStdString();
        struct stat after {};
        ASSERT_EQ(lstat(QFile::encodeName(device).constData(), &after), 0);
        EXPECT_TRUE(S_ISCHR(after.st_mode));
        EXPECT_EQ(after.st_rdev, makedev(1, 3));
    }
}

TEST_F(DumpWrites, AStandardOutputThatTakesNothingFailsTheRun) {
    const QStringList commands[] = {{Sample},
                                    {Sample, "--series", "1", "--average", "1", "3"},
                                    {Sample, "--series", "1", "--csv", "1", "3", "-"}};
    for (const QStringList& args : commands) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const DumpRun full = RunDump(args, {std::nullopt, true, QStringLiteral("/dev/full")});
        EXPECT_EQ(full.exitCode, 2);
        EXPECT_TRUE(
            full.err.contains(QStringLiteral("Не удалось записать стандартный вывод: на диске нет места.")))
            << full.err.toStdString();
        // The same output into a file is whole and the run succeeds.
        const QString file = path(QStringLiteral("out"));
        const DumpRun kept = RunDump(args, {std::nullopt, true, file});
        EXPECT_EQ(kept.exitCode, 0) << kept.err.toStdString();
        EXPECT_GT(QFileInfo(file).size(), 0);
    }
}

TEST_F(DumpWrites, ANumberTooLargeGivesTheUsage) {
    const QString target = path(QStringLiteral("view.png"));
    const DumpRun run =
        RunDump({Sample, "--series", "1", "--png", "200", "100", target, "--view", "2", "2147483647"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--view: нужен FIRST COUNT"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Использование: radview-dump"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

} // namespace
