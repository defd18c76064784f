#pragma once

#include "store/Outcome.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <atomic>
#include <optional>

// The conversation with the print server (CUPS), one call per step. Every call opens a connection of its
// own on the calling thread, so that it may run on any worker thread; none of them touches a widget.
// CUPS_SERVER is read afresh for every call.

// How long a call may wait for the server, and the flag that ends the wait early. The wait is checked
// every tenth of a second, so a cancel is answered at once even while the server does not answer.
struct ServerWait {
    int limitMs = 30000;
    const std::atomic<bool>* cancelled = nullptr;
};

// What printer setup chose for a job.
struct QueueJobSettings {
    QString printer; // empty: the default queue
    QString title;   // the job's name in the queue
    QPageSize paper = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int copies = 1;
    QString sides; // "two-sided-long-edge" or "two-sided-short-edge"; empty leaves the queue's own
};

// How handing a job over ended: taken as job number job; refused, the message being the server's words; or
// given up because the wait was cancelled (a failure without words). printer is the queue's name, also when
// the default queue was asked for.
struct QueueSubmission : Outcome {
    bool cancelled = false;
    int job = 0;
    QString printer;
};

// Creates a job on the queue, writes the PDF document into it and closes it, checking every step. A job
// refused on the way, or cancelled after it was created, is cancelled on the server, so that nothing is
// left half-sent in the queue.
QueueSubmission SubmitPdf(const QByteArray& pdf, const QueueJobSettings& settings, const ServerWait& wait);

// Whether the print server answers a question at all: no server (nothing listens where CUPS_SERVER points),
// an answer, no answer within the wait, or the wait cancelled.
enum class ServerAnswer { NoServer, Answers, Silent, Cancelled };
ServerAnswer AskServer(const ServerWait& wait);

// A job's state as the queue tells it, and whether its printer is stopped.
// After Unknown, in IPP's order of the job states (pending 3 … completed 9).
enum class JobState { Unknown, Pending, Held, Processing, Stopped, Canceled, Aborted, Completed };
struct JobReport {
    bool reached = false; // the server answered
    JobState state = JobState::Unknown;
    bool printerStopped = false;
    QString reason; // the job's or the printer's state message
};

JobReport AskJob(const QString& printer, int job, const ServerWait& wait);

// Cancels a job; false when the server did not confirm it.
bool CancelQueueJob(const QString& printer, int job, const ServerWait& wait);

// The queue's default paper (the default queue for an empty name); nothing when no queue answers or the
// queue names no paper Qt knows.
std::optional<QPageSize> QueueDefaultPaper(const QString& printer, const ServerWait& wait);

// The IPP name of a paper ("iso_a4_210x297mm"), as the queue's media option takes it, and back.
QString MediaName(const QPageSize& paper);
std::optional<QPageSize> PaperOfMedia(const QString& media);
