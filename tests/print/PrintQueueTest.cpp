#include "tests/print/PrintSeries.h"
#include "tests/support/PrintServer.h"
#include "tests/support/TestEnvironment.h"

#include "print/JobMessages.h"
#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/PrintQueue.h"
#include "print/TablePrintout.h"
#include "table/TableColumns.h"

#include <QDeadlineTimer>
#include <QSizeF>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(QueueMedia, PapersByTheirIppAndPpdNames) {
    EXPECT_EQ(MediaName(QPageSize(QPageSize::A4)), QStringLiteral("iso_a4_210x297mm"));
    EXPECT_EQ(MediaName(QPageSize(QPageSize::Letter)), QStringLiteral("na_letter_8.5x11in"));
    EXPECT_EQ(MediaName(QPageSize(QSizeF(100, 150), QPageSize::Millimeter)),
              QStringLiteral("custom_100x150mm_100x150mm"));
    EXPECT_EQ(PaperOfMedia(QStringLiteral("na_letter_8.5x11in"))->id(), QPageSize::Letter);
    EXPECT_EQ(PaperOfMedia(QStringLiteral("Legal"))->id(), QPageSize::Legal);
    EXPECT_EQ(PaperOfMedia(QStringLiteral("a5"))->id(), QPageSize::A5);
    EXPECT_EQ(PaperOfMedia(QStringLiteral("iso_b5_176x250mm"))->id(), QPageSize::B5);
    EXPECT_FALSE(PaperOfMedia(QString()));
    EXPECT_FALSE(PaperOfMedia(QStringLiteral("roll")));
}

TEST(JobVerdicts, WhatTheUserIsToldOfEachState) {
    const QString q = QStringLiteral("Q");
    auto judge = [&](JobState state, bool stopped = false, const QString& reason = QString()) {
        return JudgeJob(7, q, JobReport{true, state, stopped, reason});
    };
    EXPECT_EQ(judge(JobState::Completed).status, QStringLiteral("Задание 7 напечатано"));
    EXPECT_EQ(judge(JobState::Unknown).status, QStringLiteral("Задание 7 передано принтеру"));
    EXPECT_EQ(judge(JobState::Pending, true).status,
              QStringLiteral("Принтер «Q» остановлен: задание 7 ждёт в очереди"));
    EXPECT_EQ(judge(JobState::Stopped).status,
              QStringLiteral("Принтер «Q» остановлен: задание 7 ждёт в очереди"));
    const JobVerdict aborted = judge(JobState::Aborted, false, QStringLiteral("paper jam"));
    EXPECT_EQ(aborted.status, QStringLiteral("Задание 7 прервано: paper jam"));
    EXPECT_EQ(aborted.message(), aborted.status);
    EXPECT_TRUE(judge(JobState::Completed).completed);
    EXPECT_FALSE(judge(JobState::Held).completed);
    EXPECT_TRUE(judge(JobState::Held).settled);
    // Still on its way: nothing to say yet, nor when the server did not answer.
    EXPECT_FALSE(judge(JobState::Pending).settled);
    EXPECT_FALSE(judge(JobState::Processing).settled);
    EXPECT_FALSE(JudgeJob(7, q, JobReport{}).settled);
    EXPECT_EQ(QueueRefusedDetail(q, QStringLiteral("why")),
              QStringLiteral("Принтер «Q» не принял задание: why"));
    EXPECT_EQ(JobSentText(7, q), QStringLiteral("Задание 7 отправлено на принтер «Q»"));
}

// Real queues on a private CUPS server.
class PrintQueue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = std::make_unique<PrintServer>();
        if (!server->failure().isEmpty())
            return;
        server->addQueue(QStringLiteral("good"));
        server->addQueue(QStringLiteral("letter"),
                         {QStringLiteral("-o"), QStringLiteral("media-default=na_letter_8.5x11in")});
        server->addQueue(QStringLiteral("rejecting"));
        server->tool(QStringLiteral("cupsreject"), {QStringLiteral("rejecting")});
        server->addQueue(QStringLiteral("stopped"));
        server->tool(QStringLiteral("cupsdisable"), {QStringLiteral("stopped")});
        server->addDeadQueue(QStringLiteral("dead"));
        server->tool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("good")});
    }
    static void TearDownTestSuite() { server.reset(); }
    void SetUp() override {
        if (const QString why = PrintServer::unavailableReason(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        ASSERT_EQ(server->failure(), QString());
        const SelectedSeries series = SeriesOfIntervals(250, {600, 900, 1200});
        std::vector<RowTexts> rows;
        for (int k = 1; k <= series.measurementCount; ++k)
            rows.push_back(MeasurementRowTexts(series, k));
        const TableHeader header{series.seriesTitle, 117, 250, series.equilibriumActivity};
        pages = MakePdf(CommonPageLayout(), QString(), [&](QPagedPaintDevice& device) {
            return PrintTable(device, header, TableTitles(), rows);
        });
        ASSERT_TRUE(pages.made.ok());
    }

    static QueueSubmission submit(const QString& printer, const QByteArray& pdf, int limitMs = 10000) {
        QueueJobSettings settings;
        settings.printer = printer;
        settings.title = QStringLiteral("Таблица измерений");
        return SubmitPdf(pdf, settings, ServerWait{limitMs, nullptr});
    }
    // Looks at the job until the queue says how it ended.
    static JobVerdict settled(const QueueSubmission& job) {
        JobVerdict verdict;
        const QDeadlineTimer limit(30000);
        while (!(verdict =
                     JudgeJob(job.job, job.printer, AskJob(job.printer, job.job, ServerWait{5000, nullptr})))
                    .settled &&
               !limit.hasExpired())
            QThread::msleep(50);
        return verdict;
    }

    static std::unique_ptr<PrintServer> server;
    PdfPages pages;
};

std::unique_ptr<PrintServer> PrintQueue::server;

TEST_F(PrintQueue, AGoodQueuePrintsThePdfAsMade) {
    for (const QString& name : {QStringLiteral("good"), QString()}) { // by name and as the default queue
        const QueueSubmission job = submit(name, pages.bytes);
        ASSERT_TRUE(job.ok()) << job.message().toStdString();
        EXPECT_EQ(job.printer, QStringLiteral("good"));
        EXPECT_GT(job.job, 0);
        const JobVerdict verdict = settled(job);
        EXPECT_EQ(verdict.status, QStringLiteral("Задание %1 напечатано").arg(job.job));
        EXPECT_TRUE(verdict.completed);
        EXPECT_EQ(server->receivedDocument(job.job), pages.bytes);
    }
}

TEST_F(PrintQueue, ARefusedJobIsRefusedWithTheServersReason) {
    const QueueSubmission rejected = submit(QStringLiteral("rejecting"), pages.bytes);
    EXPECT_FALSE(rejected.ok() || rejected.cancelled);
    EXPECT_EQ(rejected.message(), QStringLiteral("Destination \"rejecting\" is not accepting jobs."));

    ASSERT_TRUE(server->addQueue(QStringLiteral("gone")));
    ASSERT_TRUE(server->tool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("gone")}));
    const QueueSubmission deleted = submit(QStringLiteral("gone"), pages.bytes);
    EXPECT_FALSE(deleted.ok() || deleted.cancelled);
    EXPECT_EQ(deleted.printer, QStringLiteral("gone"));
    EXPECT_EQ(deleted.message(), QStringLiteral("The printer or class does not exist."));
    EXPECT_TRUE(server->activeJobs().isEmpty());
}

TEST_F(PrintQueue, WithoutAServerNothingIsAccepted) {
    const QByteArray socket = qgetenv("CUPS_SERVER");
    PinNoPrintServer();
    const QueueSubmission job = submit(QStringLiteral("good"), pages.bytes);
    qputenv("CUPS_SERVER", socket);
    EXPECT_FALSE(job.ok() || job.cancelled);
    EXPECT_TRUE(job.message().startsWith(QStringLiteral("нет связи с сервером печати")))
        << job.message().toStdString();
}

TEST_F(PrintQueue, AJobThatWaitsSaysWhy) {
    const QueueSubmission stopped = submit(QStringLiteral("stopped"), pages.bytes);
    ASSERT_TRUE(stopped.ok());
    EXPECT_EQ(settled(stopped).status,
              QStringLiteral("Принтер «stopped» остановлен: задание %1 ждёт в очереди").arg(stopped.job));

    // A device that fails: the queue keeps the job back to try again later.
    const QueueSubmission dead = submit(QStringLiteral("dead"), pages.bytes);
    ASSERT_TRUE(dead.ok());
    const JobVerdict verdict = settled(dead);
    EXPECT_TRUE(verdict.settled);
    EXPECT_FALSE(verdict.completed);
    EXPECT_TRUE(verdict.status.startsWith(QStringLiteral("Задание %1 задержано").arg(dead.job)) ||
                verdict.status.startsWith(QStringLiteral("Принтер «dead» остановлен")))
        << verdict.status.toStdString();
    EXPECT_TRUE(server->receivedDocument(stopped.job).isEmpty());
    EXPECT_TRUE(server->receivedDocument(dead.job).isEmpty());
    for (const QueueSubmission& job : {stopped, dead})
        EXPECT_TRUE(CancelQueueJob(job.printer, job.job, ServerWait{5000, nullptr}));
}

TEST_F(PrintQueue, ACancelledHandOverLeavesNoJob) {
    const std::atomic<bool> cancelled{true};
    QueueJobSettings settings;
    settings.printer = QStringLiteral("good");
    const QueueSubmission job = SubmitPdf(pages.bytes, settings, ServerWait{10000, &cancelled});
    EXPECT_TRUE(job.cancelled);
    EXPECT_FALSE(job.ok()) << "a cancel without words is no job taken";
    EXPECT_TRUE(server->activeJobs().isEmpty());
}

TEST_F(PrintQueue, WhetherTheServerAnswersAtAll) {
    EXPECT_EQ(AskServer(ServerWait{10000, nullptr}), ServerAnswer::Answers);
    server->pause();
    const ServerAnswer paused = AskServer(ServerWait{300, nullptr});
    const QueueSubmission job = submit(QStringLiteral("good"), QByteArray("%PDF"), 300);
    server->resume();
    EXPECT_EQ(paused, ServerAnswer::Silent);
    EXPECT_FALSE(job.ok() || job.cancelled);
    EXPECT_EQ(job.message(), QStringLiteral("сервер печати не отвечает"));
    const QByteArray socket = qgetenv("CUPS_SERVER");
    PinNoPrintServer();
    EXPECT_EQ(AskServer(ServerWait{}), ServerAnswer::NoServer);
    qputenv("CUPS_SERVER", socket);
}

TEST_F(PrintQueue, TheQueuesOwnPaper) {
    EXPECT_EQ(QueueDefaultPaper(QStringLiteral("letter"), ServerWait{})->id(), QPageSize::Letter);
    EXPECT_FALSE(QueueDefaultPaper(QStringLiteral("good"), ServerWait{})); // names none: A4 is used
    EXPECT_FALSE(QueueDefaultPaper(QStringLiteral("gone-for-good"), ServerWait{}));
}

} // namespace
