#include "tests/app/PrintFixture.h"
#include "tests/support/PrintServer.h"

#include "app/commands/PrintTarget.h"
#include "app/window/GraphWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// The window printing on the queues of a private CUPS server: "good" (the default), "rejecting",
// "stopped", "letter" (Letter as its own paper) and "aborting" (a device that fails, and jobs given up).
class PrintQueueWindowTest : public PrintTest {
protected:
    static void SetUpTestSuite() {
        server = std::make_unique<PrintServer>();
        if (!server->failure().isEmpty())
            return;
        const QStringList letter{QStringLiteral("-o"), QStringLiteral("media-default=na_letter_8.5x11in")};
        const bool made =
            server->addQueue(QStringLiteral("good")) && server->addQueue(QStringLiteral("rejecting")) &&
            server->tool(QStringLiteral("cupsreject"), {QStringLiteral("rejecting")}) &&
            server->addQueue(QStringLiteral("stopped")) &&
            server->tool(QStringLiteral("cupsdisable"), {QStringLiteral("stopped")}) &&
            server->addQueue(QStringLiteral("letter"), letter) &&
            server->addDeadQueue(QStringLiteral("aborting"),
                                 {QStringLiteral("-o"), QStringLiteral("printer-error-policy=abort-job")});
        if (!made)
            server.reset();
    }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override {
        if (const QString why = PrintServer::unavailableReason(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(server && server->failure().isEmpty())
            << (server ? server->failure().toStdString() : "no queues");
        ASSERT_TRUE(server->tool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("good")}));
        PrintTest::SetUp();
        // Follow jobs closely, so that the tests see their end soon.
        form->printCommands().queue().timing.pollMs = 50;
    }
    void TearDown() override {
        server->tool(QStringLiteral("cancel"), {QStringLiteral("-a")});
        PrintTest::TearDown();
    }

    // Processes events until done() holds; false if it did not within the limit.
    static bool eventually(const std::function<bool()>& done, int limitMs = 20000) {
        const QDeadlineTimer limit(limitMs);
        while (!done()) {
            if (limit.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return true;
    }

    // The job number of "Задание N отправлено на принтер «printer»" in the status line; 0 if it is not there.
    int sentJob(const QString& printer) {
        const QRegularExpression sent(
            QStringLiteral("^Задание (\\d+) отправлено на принтер «%1»$").arg(printer));
        return sent.match(panel(1)).captured(1).toInt();
    }

    // Printer setup through Qt's own dialog: act runs on it once it is shown.
    void setUpInQtDialog(std::function<void(QPrintDialog&)> act) {
        tableDialogs->onPrinterSetup = [this, act](QPrinter& printer) {
            QTimer::singleShot(0, [act] {
                auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                act(*dialog);
            });
            tableDialogs->printerSetupConfirmed = QtUserDialogs().printerSetup(form, printer);
        };
        form->printerSetupButton->click();
    }
    static void chooseQueue(QPrintDialog& dialog, const QString& name) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        ASSERT_NE(printers, nullptr);
        ASSERT_GE(printers->findText(name), 0) << name.toStdString();
        printers->setCurrentIndex(printers->findText(name));
    }
    static void press(QPrintDialog& dialog, QDialogButtonBox::StandardButton button) {
        dialog.findChild<QDialogButtonBox*>()->button(button)->click();
    }
    void chooseQueueInSetup(const QString& name) {
        tableDialogs->onPrinterSetup = [name](QPrinter& printer) { printer.setPrinterName(name); };
        form->printerSetupButton->click();
    }

    // The document the queue received for job, kept as a file to read back.
    QString received(int job) {
        const QString kept = dir.filePath(QStringLiteral("job-%1.pdf").arg(job));
        QFile file(kept);
        if (file.open(QIODevice::WriteOnly))
            file.write(server->receivedDocument(job));
        return kept;
    }

    // Once the progress dialog of a silent server is shown, notes what it said and whether the graph was
    // painted while it waited, then presses its "Отмена".
    struct ProgressSeen {
        QString label;
        bool paintedMeanwhile = false;
    };
    std::unique_ptr<QTimer> cancelProgressWhenShown(ProgressSeen& seen) {
        auto paints = std::make_shared<PaintRecorder>(form->graphWidget);
        QTimer::singleShot(0, form->graphWidget, [this] { form->graphWidget->update(); });
        auto watch = std::make_unique<QTimer>();
        QTimer* timer = watch.get();
        QObject::connect(timer, &QTimer::timeout, [timer, paints, &seen] {
            auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!progress || !progress->isVisible())
                return;
            timer->stop();
            seen.paintedMeanwhile = paints->paints > 0;
            seen.label = progress->labelText();
            for (QPushButton* button : progress->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Отмена"))
                    button->click();
        });
        timer->start(10);
        return watch;
    }

    static std::unique_ptr<PrintServer> server;
};

std::unique_ptr<PrintServer> PrintQueueWindowTest::server;

TEST_F(PrintQueueWindowTest, AGoodQueuePrintsTheCommandLinesPage) {
    form->printGraphButton->click(); // the zoomed view, measurements 10 … 30
    const int job = sentJob(QStringLiteral("good"));
    ASSERT_GT(job, 0) << panel(1).toStdString();
    EXPECT_TRUE(eventually([&] { return panel(1) == QStringLiteral("Задание %1 напечатано").arg(job); }))
        << panel(1).toStdString();
    EXPECT_TRUE(dialogs->errors.isEmpty());

    const QString commandLine = dir.filePath(QStringLiteral("command-line.pdf"));
    QProcess dump;
    dump.start(QStringLiteral(RADVIEW_DUMP_EXE),
               {path, QStringLiteral("--series"), QStringLiteral("1"), QStringLiteral("--print-graph"),
                commandLine, QStringLiteral("--view"), QStringLiteral("10"), QStringLiteral("21")});
    ASSERT_TRUE(dump.waitForFinished(60000) && dump.exitCode() == 0);
    const std::vector<PdfWord> ours = PdfWords(received(job));
    const std::vector<PdfWord> theirs = PdfWords(commandLine);
    ASSERT_EQ(ours.size(), theirs.size());
    ASSERT_FALSE(ours.empty());
    for (size_t i = 0; i < ours.size(); ++i) {
        EXPECT_EQ(ours[i].text, theirs[i].text) << i;
        EXPECT_NEAR(ours[i].xMin, theirs[i].xMin, 0.05) << ours[i].text.toStdString();
        EXPECT_NEAR(ours[i].yMin, theirs[i].yMin, 0.05) << ours[i].text.toStdString();
    }
}

TEST_F(PrintQueueWindowTest, ARefusedJobIsExplainedWithTheServersReason) {
    chooseQueueInSetup(QStringLiteral("rejecting"));
    form->printGraphButton->click();
    ASSERT_TRUE(server->addQueue(QStringLiteral("gone")));
    chooseQueueInSetup(QStringLiteral("gone"));
    ASSERT_TRUE(server->tool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("gone")}));
    answerRangeDialogWith(1);
    form->printTableButton->click();

    EXPECT_EQ(dialogs->errors,
              (QStringList{QStringLiteral("Ошибка печати"), QStringLiteral("Ошибка печати")}));
    EXPECT_EQ(dialogs->errorDetails,
              (QStringList{
                  QStringLiteral("Принтер «rejecting» не принял задание: Destination \"rejecting\" is not "
                                 "accepting jobs."),
                  QStringLiteral("Принтер «gone» не принял задание: The printer or class does not exist.")}));
    EXPECT_TRUE(server->activeJobs().isEmpty());
}

TEST_F(PrintQueueWindowTest, AJobOnAStoppedQueueIsReportedWaiting) {
    chooseQueueInSetup(QStringLiteral("stopped"));
    answerRangeDialogWith(1);
    form->printTableButton->click();
    const int job = sentJob(QStringLiteral("stopped"));
    ASSERT_GT(job, 0) << panel(1).toStdString();
    EXPECT_TRUE(eventually([&] {
        return panel(1) == QStringLiteral("Принтер «stopped» остановлен: задание %1 ждёт в очереди").arg(job);
    })) << panel(1).toStdString();
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(PrintQueueWindowTest, AnAbortedJobIsReportedInTheBoxToo) {
    chooseQueueInSetup(QStringLiteral("aborting"));
    form->printGraphButton->click();
    const int job = sentJob(QStringLiteral("aborting"));
    ASSERT_GT(job, 0) << panel(1).toStdString();
    const QString aborted = QStringLiteral("Задание %1 прервано: ").arg(job);
    ASSERT_TRUE(eventually([&] { return panel(1).startsWith(aborted); })) << panel(1).toStdString();
    EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("Ошибка печати")});
    EXPECT_EQ(dialogs->errorDetails, QStringList{panel(1)});
}

TEST_F(PrintQueueWindowTest, ASilentServerLeavesTheWindowAliveAndCancelLeavesNoJob) {
    form->printCommands().printer(); // the printer was looked up before the server fell silent
    const QStringList before = server->received();
    ProgressSeen seen;
    const auto cancel = cancelProgressWhenShown(seen);
    server->pause();
    form->printGraphButton->click(); // returns once the wait is cancelled
    // The worker lets go of the silent server on its own, and nothing it asked for is left to be done.
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(30000));
    server->resume();

    EXPECT_EQ(seen.label, QStringLiteral("Печать…"));
    EXPECT_TRUE(seen.paintedMeanwhile);
    EXPECT_EQ(panel(1), QStringLiteral("Печать отменена"));
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_TRUE(server->activeJobs().isEmpty());
    EXPECT_EQ(server->received(), before);
}

TEST_F(PrintQueueWindowTest, ASilentServerIsNotAskedOnTheWindowsThreadBeforeTheFirstPrintout) {
    server->pause();
    for (QToolButton* button : {form->printerSetupButton, form->printGraphButton}) {
        ProgressSeen seen;
        const auto cancel = cancelProgressWhenShown(seen);
        button->click();
        EXPECT_TRUE(seen.paintedMeanwhile) << button->toolTip().toStdString();
    }
    server->resume();
    EXPECT_EQ(tableDialogs->printerSetups, 0);
    EXPECT_EQ(panel(1), QStringLiteral("Печать отменена"));
    form->printGraphButton->click();
    EXPECT_GT(sentJob(QStringLiteral("good")), 0) << panel(1).toStdString();
}

TEST_F(PrintQueueWindowTest, SetupCancelChangesNothingAndOkTakesWhatItShows) {
    setUpInQtDialog([](QPrintDialog& dialog) {
        chooseQueue(dialog, QStringLiteral("rejecting"));
        press(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(form->printCommands().printer().printerName(), QStringLiteral("good"));
    form->printGraphButton->click();
    EXPECT_GT(sentJob(QStringLiteral("good")), 0) << panel(1).toStdString();

    setUpInQtDialog([](QPrintDialog& dialog) {
        chooseQueue(dialog, QStringLiteral("letter"));
        press(dialog, QDialogButtonBox::Ok);
    });
    const QPrinter& chosen = form->printCommands().printer();
    EXPECT_EQ(chosen.printerName(), QStringLiteral("letter"));
    const QSizeF shown = chosen.pageLayout().fullRect(QPageLayout::Point).size();
    answerRangeDialogWith(1);
    form->printTableButton->click();
    const int job = sentJob(QStringLiteral("letter"));
    ASSERT_GT(job, 0) << panel(1).toStdString();
    ASSERT_TRUE(eventually([&] { return !server->receivedDocument(job).isEmpty(); }));
    const PdfInfo printed = ReadPdfInfo(received(job));
    EXPECT_NEAR(printed.width, shown.width(), 1.0);
    EXPECT_NEAR(printed.height, shown.height(), 1.0);
}

TEST_F(PrintQueueWindowTest, TheDefaultQueuesPaperIsWhatSetupShowsAndPrints) {
    ASSERT_TRUE(server->tool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("letter")}));
    EXPECT_EQ(form->printCommands().printer().pageLayout().pageSize().id(), QPageSize::Letter);
    // OK without a change keeps it.
    setUpInQtDialog([](QPrintDialog& dialog) { press(dialog, QDialogButtonBox::Ok); });
    EXPECT_EQ(form->printCommands().printer().pageLayout().pageSize().id(), QPageSize::Letter);
    answerRangeDialogWith(1);
    form->printTableButton->click();
    const int job = sentJob(QStringLiteral("letter"));
    ASSERT_GT(job, 0) << panel(1).toStdString();
    ASSERT_TRUE(eventually([&] { return !server->receivedDocument(job).isEmpty(); }));
    const PdfInfo printed = ReadPdfInfo(received(job));
    EXPECT_NEAR(printed.width, 612, 1.0); // 8.5 × 11 inches in points
    EXPECT_NEAR(printed.height, 792, 1.0);
}

TEST_F(PrintQueueWindowTest, ReopenedSetupShowsThePdfFileChosen) {
    const QString pdf = dir.filePath(QStringLiteral("setup.pdf"));
    setUpInQtDialog([pdf](QPrintDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        printers->setCurrentIndex(printers->count() - 1);
        dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
        press(dialog, QDialogButtonBox::Ok);
    });
    ASSERT_EQ(TargetOf(form->printCommands().printer()), PrintTarget::File);
    QString shownEntry, shownFile;
    setUpInQtDialog([&](QPrintDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        shownEntry = printers->currentIndex() == printers->count() - 1 ? QStringLiteral("file")
                                                                       : printers->currentText();
        shownFile = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->text();
        press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(shownEntry, QStringLiteral("file"));
    EXPECT_EQ(shownFile, pdf);
    EXPECT_EQ(TargetOf(form->printCommands().printer()), PrintTarget::File);
    EXPECT_EQ(form->printCommands().printer().outputFileName(), pdf);
}

} // namespace
