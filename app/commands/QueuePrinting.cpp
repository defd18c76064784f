#include "app/commands/QueuePrinting.h"

#include "app/dialogs/UserDialogs.h"
#include "print/PrintJob.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <memory>
#include <optional>

QueuePrinting::QueuePrinting(QWidget& window, UserDialogs& dialogs,
                             std::function<void(const QString&)> status)
    : window_(window), dialogs_(dialogs), status_(std::move(status)) {
    connect(&poll_, &QTimer::timeout, this, &QueuePrinting::lookAtJob);
}

// Runs work on a worker thread while the window goes on; after the delay a modal "Печать…" with "Отмена"
// appears. Nothing when the user cancelled: the worker then stops within a tenth of a second on its own.
template <typename Result>
std::optional<Result> QueuePrinting::waitFor(const std::function<Result(const ServerWait&)>& work) {
    busy_ = true;
    // The flag outlives this call: a worker still waiting for a silent server reads it when it wakes.
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    const ServerWait wait{timing.serverLimitMs, cancelled.get()};
    QFutureWatcher<Result> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<Result>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([work, wait, cancelled] { return work(wait); }));

    QProgressDialog progress(tr("Печать…"), tr("Отмена"), 0, 0, &window_);
    progress.setWindowTitle(tr("Печать"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // Shown by the dialog's own timer once the delay has passed, unless the work is over by then.
    progress.setMinimumDuration(timing.progressDelayMs);
    progress.setValue(0);
    connect(&progress, &QProgressDialog::canceled, &loop, [cancelled, &loop] {
        cancelled->store(true);
        loop.quit();
    });
    if (!watcher.isFinished())
        loop.exec();
    progress.hide();
    busy_ = false;
    if (cancelled->load())
        return std::nullopt;
    return watcher.result();
}

bool QueuePrinting::serverAnswers(bool forPrintout) {
    if (busy_)
        return false;
    const std::optional<ServerAnswer> answer = waitFor<ServerAnswer>(&AskServer);
    if (!answer || *answer == ServerAnswer::Cancelled) {
        if (forPrintout)
            status_(PrintCancelledText());
        return false;
    }
    if (*answer == ServerAnswer::Silent) {
        dialogs_.detailedErrorBox(&window_, PrintErrorText(), ServerSilentDetail());
        return false;
    }
    return true;
}

void QueuePrinting::print(const QByteArray& pdf, const QueueJobSettings& settings) {
    if (busy_)
        return;
    const std::optional<QueueSubmission> submitted = waitFor<QueueSubmission>(
        [pdf, settings](const ServerWait& wait) { return SubmitPdf(pdf, settings, wait); });
    if (!submitted || submitted->cancelled) {
        status_(PrintCancelledText());
        return;
    }
    if (!submitted->ok()) {
        status_(QStringLiteral(" "));
        dialogs_.detailedErrorBox(&window_, PrintErrorText(),
                                  QueueRefusedDetail(submitted->printer, submitted->message()));
        return;
    }
    status_(JobSentText(submitted->job, submitted->printer));
    follow(submitted->job, submitted->printer);
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
    if (!verdict.ok())
        dialogs_.detailedErrorBox(&window_, PrintErrorText(), verdict.message());
}
