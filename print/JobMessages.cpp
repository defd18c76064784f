#include "print/JobMessages.h"

#include <QCoreApplication>

QString QueueRefusedDetail(const QString& printer, const QString& reason) {
    if (printer.isEmpty())
        return QCoreApplication::translate("JobMessages", "Принтер по умолчанию не принял задание: %1")
            .arg(reason);
    return QCoreApplication::translate("JobMessages", "Принтер «%1» не принял задание: %2")
        .arg(printer, reason);
}

QString JobSentText(int job, const QString& printer) {
    return QCoreApplication::translate("JobMessages", "Задание %1 отправлено на принтер «%2»")
        .arg(job)
        .arg(printer);
}

QString PrintCancelledText() {
    return QCoreApplication::translate("JobMessages", "Печать отменена");
}

QString ServerSilentDetail() {
    return QCoreApplication::translate("JobMessages", "Сервер печати не отвечает. Повторите печать позже.");
}

QString JobStillQueuedText(int job, const QString& printer) {
    return QCoreApplication::translate("JobMessages", "Задание %1 ещё в очереди принтера «%2»")
        .arg(job)
        .arg(printer);
}

JobVerdict JudgeJob(int job, const QString& printer, const JobReport& report) {
    const QString number = QString::number(job);
    if (!report.reached)
        return {};
    // A stopped printer holds every job that waits for it; it is what the user must see first.
    const QString stopped =
        QCoreApplication::translate("JobMessages", "Принтер «%1» остановлен: задание %2 ждёт в очереди")
            .arg(printer, number);
    switch (report.state) {
    case JobState::Completed:
        return {Outcome(), true, true,
                QCoreApplication::translate("JobMessages", "Задание %1 напечатано").arg(number)};
    case JobState::Unknown:
        // The queue keeps no history of its jobs: it can only say the job has left it.
        return {Outcome(), true, true,
                QCoreApplication::translate("JobMessages", "Задание %1 передано принтеру").arg(number)};
    case JobState::Canceled:
        return {Outcome(), true, false,
                QCoreApplication::translate("JobMessages", "Задание %1 отменено").arg(number)};
    case JobState::Aborted: {
        const QString text =
            QCoreApplication::translate("JobMessages", "Задание %1 прервано: %2")
                .arg(number, report.reason.isEmpty()
                                 ? QCoreApplication::translate("JobMessages", "причина не сообщена")
                                 : report.reason);
        return {Outcome::failure(text), true, false, text};
    }
    case JobState::Held:
        return {Outcome(), true, false,
                QCoreApplication::translate("JobMessages", "Задание %1 задержано в очереди принтера «%2»")
                    .arg(number, printer)};
    case JobState::Stopped:
        return {Outcome(), true, false, stopped};
    case JobState::Pending:
    case JobState::Processing:
        if (report.printerStopped)
            return {Outcome(), true, false, stopped};
        return {};
    }
    return {};
}
