#pragma once

#include "print/JobMessages.h"
#include "print/PrintQueue.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;
class UserDialogs;

// Hands a printout to a print queue and follows its job, with the window alive throughout: the server is
// talked to on worker threads. A hand-over that takes more than a moment shows a modal "Печать…" with
// "Отмена"; the job is then followed for a while, and the status line says what became of it.
class QueuePrinting : public QObject {
    Q_OBJECT

public:
    // How long things may take. Tests shorten the follow-up; none of these is a promise about speed.
    struct Timing {
        int progressDelayMs = 500; // the progress dialog appears after this
        int serverLimitMs = 60000; // the longest wait for one answer of the server
        int pollMs = 1000;         // between two looks at the job
        int followMs = 15000;      // how long the job is followed
    };

    QueuePrinting(QWidget& window, UserDialogs& dialogs, std::function<void(const QString&)> status);

    // Hands the PDF document over and returns once the queue took it, refused it, or the user cancelled
    // the wait. A refusal is shown in the "Ошибка печати" box; a job taken is followed from then on.
    void print(const QByteArray& pdf, const QueueJobSettings& settings);
    // Asks the print server whether it answers, in the same way, before anything on the window's thread
    // talks to it (Qt's printer lookup waits for the server there). True when it answers or when there is
    // no server at all; a silent server is shown in the "Ошибка печати" box, a cancel of a printout in the
    // status line.
    bool serverAnswers(bool forPrintout);
    bool busy() const { return busy_; }

    Timing timing;

private:
    template <typename Result>
    std::optional<Result> waitFor(const std::function<Result(const ServerWait&)>& work);
    void follow(int job, const QString& printer);
    void lookAtJob();
    void settle(const JobVerdict& verdict);

    QWidget& window_;
    UserDialogs& dialogs_;
    std::function<void(const QString&)> status_;
    bool busy_ = false;

    // The job followed: its number and queue, and when following ends.
    int job_ = 0;
    QString printer_;
    QTimer poll_;
    qint64 followUntil_ = 0;
    bool asking_ = false;
    int generation_ = 0; // answers about an earlier job are dropped
};
