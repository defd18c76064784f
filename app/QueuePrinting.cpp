#include "app/QueuePrinting.h"

#include "app/UserDialogs.h"
#include "print/PrintJob.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <memory>

QueuePrinting::QueuePrinting(QWidget& window, UserDialogs& dialogs,
                             std::function<void(const QString&)> status)
    : window_(window), dialogs_(dialogs), status_(std::move(status)) {
    connect(&poll_, &QTimer::timeout, this, &QueuePrinting::lookAtJob);
}

void QueuePrinting::print(const QByteArray& pdf, const QueueJobSettings& settings) {
    if (busy_)
        return;
    busy_ = true;
    // The flag outlives this call: a worker still waiting for a silent server reads it when it wakes.
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    const ServerWait wait{timing.serverLimitMs, cancelled.get()};
    QFutureWatcher<QueueSubmission> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<QueueSubmission>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(
        QtConcurrent::run([pdf, settings, wait, cancelled] { return SubmitPdf(pdf, settings, wait); }));

    QProgressDialog progress(QStringLiteral("Печать…"), QStringLiteral("Отмена"), 0, 0, &window_);
    progress.setWindowTitle(QStringLiteral("Печать"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // Shown by the dialog's own timer once the delay has passed, unless the hand-over is over by then.
    progress.setMinimumDuration(timing.progressDelayMs);
    progress.setValue(0);
    // A cancel ends the wait at once; the worker stops within a tenth of a second and takes back a job it
    // made.
    connect(&progress, &QProgressDialog::canceled, &loop, [cancelled, &loop] {
        cancelled->store(true);
        loop.quit();
    });
    if (!watcher.isFinished())
        loop.exec();
    progress.hide();
    busy_ = false;
    if (cancelled->load()) {
        status_(PrintCancelledText());
        return;
    }
    const QueueSubmission submitted = watcher.result();
    switch (submitted.outcome) {
    case QueueSubmission::Outcome::Cancelled:
        status_(PrintCancelledText());
        break;
    case QueueSubmission::Outcome::Refused:
        status_(QStringLiteral(" "));
        dialogs_.detailedErrorBox(&window_, QString::fromUtf8(PrintErrorMessage),
                                  QueueRefusedDetail(submitted.printer, submitted.reason));
        break;
    case QueueSubmission::Outcome::Accepted:
        status_(JobSentText(submitted.job, submitted.printer));
        follow(submitted.job, submitted.printer);
        break;
    }
}

void QueuePrinting::follow(int job, const QString& printer) {
    ++generation_;
    job_ = job;
    printer_ = printer;
    followUntil_ = QDateTime::currentMSecsSinceEpoch() + timing.followMs;
    asking_ = false;
    poll_.start(timing.pollMs);
}

void QueuePrinting::lookAtJob() {
    if (asking_)
        return;
    if (QDateTime::currentMSecsSinceEpoch() >= followUntil_) {
        poll_.stop();
        status_(JobStillQueuedText(job_, printer_));
        return;
    }
    asking_ = true;
    auto* watcher = new QFutureWatcher<JobReport>(this);
    const int generation = generation_;
    const int job = job_;
    const QString printer = printer_;
    connect(watcher, &QFutureWatcher<JobReport>::finished, this, [this, watcher, generation, job, printer] {
        watcher->deleteLater();
        if (generation != generation_)
            return;
        asking_ = false;
        const JobVerdict verdict = JudgeJob(job, printer, watcher->result());
        if (verdict.settled)
            settle(verdict);
    });
    const ServerWait wait{std::max(timing.pollMs, 1000), nullptr};
    watcher->setFuture(QtConcurrent::run([printer, job, wait] { return AskJob(printer, job, wait); }));
}

void QueuePrinting::settle(const JobVerdict& verdict) {
    poll_.stop();
    ++generation_;
    status_(verdict.status);
    if (!verdict.failure.isEmpty())
        dialogs_.detailedErrorBox(&window_, QString::fromUtf8(PrintErrorMessage), verdict.failure);
}
