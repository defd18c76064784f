#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A CUPS print server of the test's own: cupsd run as a child process with a private configuration in a
// temporary folder, listening on a Unix socket there, and made the server of this process (CUPS_SERVER and
// libcups's choice on the calling thread) for as long as it lives. Its queues print on a backend of its own
// that keeps each job's document as "job-N.pdf" in a folder; no system queue or service is touched.
class PrintServer {
public:
    PrintServer();
    ~PrintServer(); // stops the server and points CUPS_SERVER at no server again
    PrintServer(const PrintServer&) = delete;
    PrintServer& operator=(const PrintServer&) = delete;

    // Empty when the server runs; otherwise why it could not start (cupsd missing, a failed step).
    const QString& failure() const { return failure_; }
    // Why no private server can be had on this machine at all (empty when one can): the tests that need
    // one are skipped there, as in a package build without the CUPS daemon or run by an ordinary user.
    static QString unavailableReason();
    QString socket() const;

    // A raw queue whose device keeps what it receives in received(); options go to lpadmin as given
    // (e.g. "-o", "media-default=na_letter_8.5x11in").
    bool addQueue(const QString& name, const QStringList& options = {});
    // A queue on a device that fails every job (its folder does not exist).
    bool addDeadQueue(const QString& name, const QStringList& options = {});
    // Runs a CUPS tool against this server: lpadmin, cupsreject, cupsdisable, lpstat…
    bool tool(const QString& program, const QStringList& arguments, QString* output = nullptr) const;

    // The documents the device received, by file name ("job-3.pdf").
    QStringList received() const;
    QByteArray receivedDocument(int job) const;
    // Jobs not yet completed, cancelled or aborted, as lpstat lists them.
    QStringList activeJobs() const;

    // Stops and continues the server process (SIGSTOP, SIGCONT): a server that does not answer.
    void pause();
    void resume();

private:
    bool start();

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString failure_;
    bool paused_ = false;
};
