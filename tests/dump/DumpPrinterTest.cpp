// radview-dump printing on the queues of a private CUPS server, run as the built program, and its PDF
// files on the paper asked for.
#include "tests/support/PdfText.h"
#include "tests/support/PrintServer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Sample = QStringLiteral(RADVIEW_SAMPLES_DIR "/one-series.rad");

struct PrintRun {
    int exitCode = -1;
    QString err;
};

PrintRun Dump(const QStringList& arguments) {
    QProcess dump;
    dump.start(QStringLiteral(RADVIEW_DUMP_EXE),
               QStringList{Sample, QStringLiteral("--series"), QStringLiteral("1")} + arguments);
    EXPECT_TRUE(dump.waitForFinished(120000));
    return {dump.exitStatus() == QProcess::NormalExit ? dump.exitCode() : -1,
            QString::fromUtf8(dump.readAllStandardError())};
}

int JobNumber(const QString& err, const QString& printer) {
    const QRegularExpression sent(QStringLiteral("Задание (\\d+) отправлено на принтер «%1»").arg(printer));
    return sent.match(err).captured(1).toInt();
}

class DumpPrinter : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = std::make_unique<PrintServer>();
        if (server->failure().isEmpty() &&
            !(server->addQueue(QStringLiteral("good")) && server->addQueue(QStringLiteral("rejecting")) &&
              server->tool(QStringLiteral("cupsreject"), {QStringLiteral("rejecting")}) &&
              server->addQueue(QStringLiteral("stopped")) &&
              server->tool(QStringLiteral("cupsdisable"), {QStringLiteral("stopped")}) &&
              server->tool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("good")})))
            server.reset();
    }
    static void TearDownTestSuite() { server.reset(); }
    void SetUp() override {
        if (const QString why = PrintServer::unavailableReason(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(server && server->failure().isEmpty());
    }
    static std::unique_ptr<PrintServer> server;
};

std::unique_ptr<PrintServer> DumpPrinter::server;

TEST_F(DumpPrinter, AcceptedJobsEndWithTheirNumberAndWaitedOnesWithTheirFate) {
    const PrintRun table = Dump({QStringLiteral("--print-table"), QStringLiteral("1"), QStringLiteral("3"),
                                 QStringLiteral("--printer"), QStringLiteral("good")});
    EXPECT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_GT(JobNumber(table.err, QStringLiteral("good")), 0) << table.err.toStdString();

    const PrintRun graph = Dump({QStringLiteral("--print-graph"), QStringLiteral("--printer"),
                                 QStringLiteral("-"), QStringLiteral("--wait")});
    EXPECT_EQ(graph.exitCode, 0) << graph.err.toStdString();
    const int job = JobNumber(graph.err, QStringLiteral("good"));
    EXPECT_TRUE(graph.err.contains(QStringLiteral("Задание %1 напечатано").arg(job)))
        << graph.err.toStdString();
    EXPECT_TRUE(server->receivedDocument(job).startsWith("%PDF"));

    const PrintRun stopped = Dump({QStringLiteral("--print-graph"), QStringLiteral("--printer"),
                                   QStringLiteral("stopped"), QStringLiteral("--wait")});
    EXPECT_EQ(stopped.exitCode, 3) << stopped.err.toStdString();
    EXPECT_TRUE(stopped.err.contains(QStringLiteral("Принтер «stopped» остановлен: задание %1 ждёт в очереди")
                                         .arg(JobNumber(stopped.err, QStringLiteral("stopped")))))
        << stopped.err.toStdString();
    server->tool(QStringLiteral("cancel"), {QStringLiteral("-a")});
}

TEST_F(DumpPrinter, ARefusedJobEndsWithStatusTwoAndTheReason) {
    const PrintRun refused =
        Dump({QStringLiteral("--print-graph"), QStringLiteral("--printer"), QStringLiteral("rejecting")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Ошибка печати: Принтер «rejecting» не принял задание: "
                                                    "Destination \"rejecting\" is not accepting jobs.")))
        << refused.err.toStdString();
    EXPECT_TRUE(server->activeJobs().isEmpty());
}

TEST(DumpPaper, PdfFilesStayA4UnlessAPaperIsGiven) {
    if (!PdfToolsAvailable())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString a4 = dir.filePath(QStringLiteral("a4.pdf"));
    const QString a5 = dir.filePath(QStringLiteral("a5.pdf"));
    EXPECT_EQ(Dump({QStringLiteral("--print-table"), QStringLiteral("1"), QStringLiteral("3"), a4}).exitCode,
              0);
    EXPECT_EQ(Dump({QStringLiteral("--print-table"), QStringLiteral("1"), QStringLiteral("3"), a5,
                    QStringLiteral("--paper"), QStringLiteral("A5")})
                  .exitCode,
              0);
    EXPECT_NEAR(ReadPdfInfo(a4).width, 595.3, 1.0);
    EXPECT_NEAR(ReadPdfInfo(a5).width, 419.5, 1.0);
    EXPECT_TRUE(PdfPageText(a5, 0).contains(QStringLiteral("Экспозиция,")));
    EXPECT_EQ(
        Dump({QStringLiteral("--print-graph"), a4, QStringLiteral("--paper"), QStringLiteral("B5")}).exitCode,
        2);
    EXPECT_EQ(Dump({QStringLiteral("--print-graph"), a4, QStringLiteral("--wait")}).exitCode, 2);
}

} // namespace
