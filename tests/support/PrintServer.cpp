#include "tests/support/PrintServer.h"

#include "tests/support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cups/cups.h>

#include <csignal>
#include <unistd.h>

namespace {

bool WriteText(const QString& path, const QString& text, QFile::Permissions permissions) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(text.toUtf8());
    file.close();
    return file.setPermissions(permissions);
}

// The device of every queue: a backend that copies the job's document into the folder its URI names and
// fails when it cannot. Owned by root with no rights for others, cupsd runs it as root, so it may write into
// the test's folder.
const char* const kBackend = R"(#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct keep "Unknown" "Test device that keeps documents"'; exit 0; fi
folder="${DEVICE_URI#keep:}"
if [ $# -ge 6 ]; then cp "$6" "$folder/job-$1.pdf" || exit 1; else cat > "$folder/job-$1.pdf" || exit 1; fi
exit 0
)";

// Everything allowed to everyone: the server is private and reached only through its own socket.
const char* const kCupsdConf = R"(Listen %1/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
MaxJobs 0
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)";

const char* const kFilesConf = R"(ServerRoot %1/etc
ServerBin %1/bin
DataDir /usr/share/cups
RequestRoot %1/spool
TempDir %1/tmp
CacheDir %1/cache
StateDir %1/state
AccessLog %1/log/access_log
ErrorLog %1/log/error_log
PageLog %1/log/page_log
FileDevice Yes
Sandboxing Relaxed
)";

} // namespace

PrintServer::PrintServer() {
    if (!start())
        cupsd_.kill();
}

PrintServer::~PrintServer() {
    if (paused_)
        resume();
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000))
            cupsd_.kill();
        cupsd_.waitForFinished(10000);
    }
    PinNoPrintServer();
    // libcups keeps the server's name per thread; this thread reads CUPS_SERVER again.
    cupsSetServer(nullptr);
}

QString PrintServer::socket() const {
    return dir_.filePath(QStringLiteral("cups.sock"));
}

QString PrintServer::unavailableReason() {
    if (!QFile::exists(QStringLiteral("/usr/sbin/cupsd")))
        return QStringLiteral("cupsd is not installed (cups-daemon)");
    // The backend that keeps the jobs must run as root, which only root can arrange.
    if (::geteuid() != 0)
        return QStringLiteral("a private print server needs root");
    return {};
}

bool PrintServer::start() {
    const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
    if (!QFile::exists(cupsd)) {
        failure_ = QStringLiteral("cupsd is not installed (cups-daemon)");
        return false;
    }
    const QDir root(dir_.path());
    for (const char* folder : {"etc", "bin/backend", "spool", "tmp", "cache", "state", "log", "received"})
        root.mkpath(QString::fromLatin1(folder));
    // The server's own helpers come from the system; only the backend is the test's.
    for (const char* folder : {"daemon", "notifier", "filter", "cgi-bin", "monitor", "driver"})
        QFile::link(QStringLiteral("/usr/lib/cups/") + QLatin1String(folder),
                    root.filePath(QStringLiteral("bin/") + QLatin1String(folder)));
    // cupsd refuses files that others may change, and the spool folder must be its own to enter.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther);
    const QFile::Permissions script = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions text =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (!WriteText(root.filePath(QStringLiteral("bin/backend/keep")), QString::fromLatin1(kBackend),
                   script) ||
        !WriteText(root.filePath(QStringLiteral("cupsd.conf")),
                   QString::fromLatin1(kCupsdConf).arg(dir_.path()), text) ||
        !WriteText(root.filePath(QStringLiteral("cups-files.conf")),
                   QString::fromLatin1(kFilesConf).arg(dir_.path()), text)) {
        failure_ = QStringLiteral("cannot write the server's configuration in ") + dir_.path();
        return false;
    }
    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cupsd_.start(cupsd,
                 {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath(QStringLiteral("cupsd.conf")),
                  QStringLiteral("-s"), root.filePath(QStringLiteral("cups-files.conf"))});
    if (!cupsd_.waitForStarted(10000)) {
        failure_ = QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
        return false;
    }
    qputenv("CUPS_SERVER", socket().toLocal8Bit());
    cupsSetServer(nullptr);
    // Ready once it answers on its socket.
    const QDeadlineTimer ready(30000);
    while (!tool(QStringLiteral("lpstat"), {QStringLiteral("-r")})) {
        if (ready.hasExpired() || cupsd_.state() == QProcess::NotRunning) {
            failure_ = QStringLiteral("cupsd did not answer on ") + socket();
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

bool PrintServer::tool(const QString& program, const QStringList& arguments, QString* output) const {
    // Just after its start the server may drop a connection; the tools then fail to connect and are run
    // again.
    for (int attempt = 0;; ++attempt) {
        QProcess process;
        process.start(program, QStringList{QStringLiteral("-h"), socket()} + arguments);
        const bool ran = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
                         process.exitCode() == 0;
        const QByteArray errors = process.readAllStandardError();
        if (output)
            *output = QString::fromLocal8Bit(process.readAllStandardOutput());
        if (ran || attempt == 5 || !errors.contains("Unable to connect")) {
            if (!ran && program != QLatin1String("lpstat"))
                qWarning("%s %s: %s", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))),
                         errors.constData());
            return ran;
        }
        QThread::msleep(100);
    }
}

bool PrintServer::addQueue(const QString& name, const QStringList& options) {
    return tool(QStringLiteral("lpadmin"),
                QStringList{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                            QStringLiteral("keep:") + dir_.filePath(QStringLiteral("received")),
                            QStringLiteral("-m"), QStringLiteral("raw")} +
                    options);
}

bool PrintServer::addDeadQueue(const QString& name, const QStringList& options) {
    return tool(QStringLiteral("lpadmin"),
                QStringList{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                            QStringLiteral("keep:") + dir_.filePath(QStringLiteral("no-such-folder")),
                            QStringLiteral("-m"), QStringLiteral("raw")} +
                    options);
}

QStringList PrintServer::received() const {
    return QDir(dir_.filePath(QStringLiteral("received"))).entryList(QDir::Files, QDir::Name);
}

QByteArray PrintServer::receivedDocument(int job) const {
    QFile file(dir_.filePath(QStringLiteral("received/job-%1.pdf").arg(job)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList PrintServer::activeJobs() const {
    QString listing;
    tool(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &listing);
    return listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void PrintServer::pause() {
    ::kill(static_cast<pid_t>(cupsd_.processId()), SIGSTOP);
    paused_ = true;
}

void PrintServer::resume() {
    ::kill(static_cast<pid_t>(cupsd_.processId()), SIGCONT);
    paused_ = false;
}
