#include "print/PrintQueue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>

#include <cups/cups.h>

#include <array>
#include <memory>

namespace {

// One connection to the server with the wait checked by KeepWaiting.
struct Connection {
    Connection(const ServerWait& wait) : wait_(wait), deadline_(wait.limitMs) {
        // libcups keeps the server's name per thread; a worker thread may have read it for an earlier run.
        cupsSetServer(nullptr);
        const int connectMs = static_cast<int>(std::min<qint64>(deadline_.remainingTime(), 5000));
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             std::max(1, connectMs), nullptr);
        if (http_)
            httpSetTimeout(http_, 0.1, &KeepWaiting, this);
    }
    ~Connection() {
        if (http_)
            httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* http() const { return http_; }
    bool cancelled() const { return wait_.cancelled && wait_.cancelled->load(); }
    bool expired() const { return deadline_.hasExpired(); }
    // Why the last step failed: cancelled, the server silent, or the server's own words.
    QString failure() const {
        if (cancelled())
            return QCoreApplication::translate("PrintQueue", "отменено");
        if (deadline_.hasExpired())
            return QCoreApplication::translate("PrintQueue", "сервер печати не отвечает");
        if (!http_)
            return QCoreApplication::translate("PrintQueue", "нет связи с сервером печати (%1)")
                .arg(QString::fromLocal8Bit(cupsServer()));
        return QString::fromUtf8(cupsLastErrorString());
    }

private:
    static int KeepWaiting(http_t*, void* data) {
        const auto* self = static_cast<const Connection*>(data);
        return !self->cancelled() && !self->deadline_.hasExpired() ? 1 : 0;
    }

    ServerWait wait_;
    QDeadlineTimer deadline_;
    http_t* http_ = nullptr;
};

// What the server says of a queue. Asked on the connection itself: libcups's own lookup of a named queue
// falls back to a search of every queue on a connection of its own, which waits for a silent server without
// end.
struct QueueFacts {
    bool found = false;
    QString name;
    bool stopped = false;
    QString stateMessage;
    QString mediaDefault;
};

QString TextAttribute(ipp_t* response, const char* name, ipp_tag_t tag = IPP_TAG_TEXT) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, tag);
    return attribute ? QString::fromUtf8(ippGetString(attribute, 0, nullptr)) : QString();
}

QString QueueUri(const QString& printer) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     printer.toUtf8().constData());
    return QString::fromUtf8(uri);
}

void AddRequester(ipp_t* request) {
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
}

// Sends a request that asks for these attributes only; the answer, or null.
ipp_t* AskAttributes(const Connection& connection, ipp_t* request, const std::array<const char*, 4>& wanted) {
    AddRequester(request);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(wanted.size()), nullptr, wanted.data());
    return cupsDoRequest(connection.http(), request, "/");
}

// The queue by its name, or the default queue for an empty name.
QueueFacts AskQueue(const Connection& connection, const QString& printer) {
    ipp_t* request = nullptr;
    if (printer.isEmpty()) {
        request = ippNewRequest(IPP_OP_CUPS_GET_DEFAULT);
    } else {
        request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                     QueueUri(printer).toUtf8().constData());
    }
    static const std::array<const char*, 4> kWanted{"printer-name", "printer-state", "printer-state-message",
                                                    "media-default"};
    ipp_t* response = AskAttributes(connection, request, kWanted);
    QueueFacts facts;
    if (response && cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        facts.found = true;
        facts.name = TextAttribute(response, "printer-name", IPP_TAG_NAME);
        if (facts.name.isEmpty())
            facts.name = printer;
        if (ipp_attribute_t* state = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM))
            facts.stopped = ippGetInteger(state, 0) == IPP_PSTATE_STOPPED;
        facts.stateMessage = TextAttribute(response, "printer-state-message");
        facts.mediaDefault = TextAttribute(response, "media-default", IPP_TAG_ZERO);
    }
    ippDelete(response);
    return facts;
}

struct Options {
    ~Options() { cupsFreeOptions(count, options); }
    void add(const char* name, const QString& value) {
        count = cupsAddOption(name, value.toUtf8().constData(), count, &options);
    }
    int count = 0;
    cups_option_t* options = nullptr;
};

void AddJobOptions(Options& options, const QueueJobSettings& settings) {
    options.add("media", MediaName(settings.paper));
    options.add(CUPS_ORIENTATION, settings.orientation == QPageLayout::Landscape ? CUPS_ORIENTATION_LANDSCAPE
                                                                                 : CUPS_ORIENTATION_PORTRAIT);
    options.add(CUPS_COPIES, QString::number(std::max(1, settings.copies)));
    if (!settings.sides.isEmpty())
        options.add(CUPS_SIDES, settings.sides);
}

// Create-Job on the connection itself (libcups's cupsCreateJob looks the queue up again, on a connection
// of its own when that fails); the job's number, 0 when refused.
int CreateJob(const Connection& connection, const QString& printer, const QString& title,
              const Options& options) {
    ipp_t* request = ippNewRequest(IPP_OP_CREATE_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 QueueUri(printer).toUtf8().constData());
    AddRequester(request);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.toUtf8().constData());
    cupsEncodeOptions2(request, options.count, options.options, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request, options.count, options.options, IPP_TAG_JOB);
    ipp_t* response = cupsDoRequest(connection.http(), request, "/");
    int job = 0;
    if (response && cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        if (ipp_attribute_t* id = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER))
            job = ippGetInteger(id, 0);
    ippDelete(response);
    return job;
}

// Writes the document in pieces, so that a cancel between them stops the job.
bool WriteDocument(const Connection& connection, const QByteArray& pdf) {
    constexpr qsizetype kPiece = 64 * 1024;
    for (qsizetype at = 0; at < pdf.size(); at += kPiece) {
        if (connection.cancelled())
            return false;
        const size_t length = static_cast<size_t>(std::min(kPiece, pdf.size() - at));
        if (cupsWriteRequestData(connection.http(), pdf.constData() + at, length) != HTTP_STATUS_CONTINUE)
            return false;
    }
    return true;
}

// A job that could not be completed is taken back on a connection of its own: the first may be broken.
void TakeBack(const QString& printer, int job) {
    CancelQueueJob(printer, job, ServerWait{5000, nullptr});
}

// IPP numbers the job states from pending (3) to completed (9) in the order of JobState after Unknown.
JobState StateOf(int ippState) {
    static_assert(IPP_JSTATE_COMPLETED - IPP_JSTATE_PENDING == 6);
    const int shift = ippState - IPP_JSTATE_PENDING;
    if (shift < 0 || shift > IPP_JSTATE_COMPLETED - IPP_JSTATE_PENDING)
        return JobState::Unknown;
    return static_cast<JobState>(static_cast<int>(JobState::Pending) + shift);
}

// The keywords of an attribute, "none" left out: "aborted-by-system, job-completed-with-errors".
QString Keywords(ipp_t* response, const char* name) {
    QStringList keywords;
    if (ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_KEYWORD))
        for (int i = 0; i < ippGetCount(attribute); ++i)
            if (const QString keyword = QString::fromUtf8(ippGetString(attribute, i, nullptr));
                keyword != QLatin1String("none") && keyword != QLatin1String("processing-to-stop-point"))
                keywords << keyword;
    return keywords.join(QStringLiteral(", "));
}

} // namespace

QueueSubmission SubmitPdf(const QByteArray& pdf, const QueueJobSettings& settings, const ServerWait& wait) {
    const Connection connection(wait);
    auto failed = [&](const QString& printer) {
        if (connection.cancelled())
            return QueueSubmission{Outcome::failure(QString()), true, 0, printer};
        return QueueSubmission{Outcome::failure(connection.failure()), false, 0, printer};
    };
    if (!connection.http())
        return failed(settings.printer);
    // Asking for the queue first finds a missing queue and a silent server before any job exists.
    const QueueFacts queue = AskQueue(connection, settings.printer);
    // A cancel is only seen while an answer is awaited; one that came with a quick answer counts too.
    if (!queue.found || connection.cancelled())
        return failed(settings.printer);
    const QString printer = queue.name;
    const QByteArray name = printer.toUtf8();
    const QByteArray title = settings.title.toUtf8();

    Options options;
    AddJobOptions(options, settings);
    const int job = CreateJob(connection, printer, settings.title, options);
    if (job <= 0)
        return failed(printer);
    const bool sent =
        cupsStartDocument(connection.http(), name.constData(), job, title.constData(), CUPS_FORMAT_PDF, 1) ==
            HTTP_STATUS_CONTINUE &&
        WriteDocument(connection, pdf) &&
        cupsFinishDocument(connection.http(), name.constData()) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    if (sent)
        return QueueSubmission{Outcome(), false, job, printer};
    QueueSubmission outcome = failed(printer);
    TakeBack(printer, job);
    return outcome;
}

ServerAnswer AskServer(const ServerWait& wait) {
    const Connection connection(wait);
    if (!connection.http())
        return connection.cancelled() ? ServerAnswer::Cancelled : ServerAnswer::NoServer;
    ippDelete(cupsDoRequest(connection.http(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
    if (connection.cancelled())
        return ServerAnswer::Cancelled;
    return connection.expired() ? ServerAnswer::Silent : ServerAnswer::Answers;
}

JobReport AskJob(const QString& printer, int job, const ServerWait& wait) {
    JobReport report;
    const Connection connection(wait);
    if (!connection.http())
        return report;
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    static const std::array<const char*, 4> kWanted{"job-state", "job-state-message", "job-state-reasons",
                                                    "job-printer-state-message"};
    ipp_t* response = AskAttributes(connection, request, kWanted);
    const ipp_status_t status = cupsLastError();
    if (response && status <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        report.reached = true;
        if (ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
            report.state = StateOf(ippGetInteger(state, 0));
        report.reason = TextAttribute(response, "job-state-message");
        if (report.reason.isEmpty())
            report.reason = TextAttribute(response, "job-printer-state-message");
        if (report.reason.isEmpty())
            report.reason = Keywords(response, "job-state-reasons");
    } else if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        report.reached = true; // the queue no longer knows the job
    }
    ippDelete(response);
    if (!report.reached)
        return report;
    if (const QueueFacts queue = AskQueue(connection, printer); queue.found) {
        report.printerStopped = queue.stopped;
        if (report.reason.isEmpty() || report.printerStopped)
            report.reason = queue.stateMessage;
    }
    return report;
}

bool CancelQueueJob(const QString& printer, int job, const ServerWait& wait) {
    const Connection connection(wait);
    return connection.http() && cupsCancelJob2(connection.http(), printer.toUtf8().constData(), job, 0) <=
                                    IPP_STATUS_OK_EVENTS_COMPLETE;
}

std::optional<QPageSize> QueueDefaultPaper(const QString& printer, const ServerWait& wait) {
    const Connection connection(wait);
    if (!connection.http())
        return std::nullopt;
    const QueueFacts queue = AskQueue(connection, printer);
    if (!queue.found)
        return std::nullopt;
    return PaperOfMedia(queue.mediaDefault);
}

namespace {

struct KnownMedia {
    QPageSize::PageSizeId id;
    const char* ipp;
    const char* ppd;
};
constexpr std::array<KnownMedia, 5> kKnownMedia{{{QPageSize::A4, "iso_a4_210x297mm", "A4"},
                                                 {QPageSize::A5, "iso_a5_148x210mm", "A5"},
                                                 {QPageSize::A3, "iso_a3_297x420mm", "A3"},
                                                 {QPageSize::Letter, "na_letter_8.5x11in", "Letter"},
                                                 {QPageSize::Legal, "na_legal_8.5x14in", "Legal"}}};

} // namespace

QString MediaName(const QPageSize& paper) {
    for (const KnownMedia& known : kKnownMedia)
        if (paper.id() == known.id)
            return QString::fromLatin1(known.ipp);
    const QSizeF mm = paper.size(QPageSize::Millimeter);
    const QString size = QStringLiteral("%1x%2mm").arg(mm.width()).arg(mm.height());
    return QStringLiteral("custom_%1_%1").arg(size);
}

std::optional<QPageSize> PaperOfMedia(const QString& media) {
    for (const KnownMedia& known : kKnownMedia)
        if (media == QLatin1String(known.ipp) ||
            media.compare(QLatin1String(known.ppd), Qt::CaseInsensitive) == 0)
            return QPageSize(known.id);
    // A self-describing name ends in its size: "…_210x297mm", "…_8.5x11in".
    static const QRegularExpression size(QStringLiteral("_([0-9.]+)x([0-9.]+)(mm|in)$"));
    const QRegularExpressionMatch match = size.match(media);
    if (!match.hasMatch())
        return std::nullopt;
    const QSizeF dimensions(match.captured(1).toDouble(), match.captured(2).toDouble());
    const QPageSize paper(dimensions,
                          match.captured(3) == QLatin1String("mm") ? QPageSize::Millimeter : QPageSize::Inch,
                          QString(), QPageSize::FuzzyMatch);
    return paper.isValid() ? std::optional<QPageSize>(paper) : std::nullopt;
}
