#pragma once

#include "print/PrintQueue.h"

#include <QString>

// What the user is told about a printout handed to a print queue.

// The detail line of "Ошибка печати" when the queue refused the job: "Принтер «X» не принял задание: …".
QString QueueRefusedDetail(const QString& printer, const QString& reason);
// The status line once the queue took the job: "Задание N отправлено на принтер «X»".
QString JobSentText(int job, const QString& printer);
// The status line when the user cancelled the wait.
QString PrintCancelledText();
// The detail line of "Ошибка печати" when the print server does not answer.
QString ServerSilentDetail();

// What a look at a job means: whether following it may stop and the status line; a job the queue aborted
// is a failure whose message is the detail of the error box.
struct JobVerdict : Outcome {
    bool settled = false;
    bool completed = false;
    QString status;
};

JobVerdict JudgeJob(int job, const QString& printer, const JobReport& report);

// The status line when following ends before the job settled.
QString JobStillQueuedText(int job, const QString& printer);
