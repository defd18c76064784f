#include "tests/support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Unescape(QString text) {
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace

bool PdfToolsAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

std::vector<PdfWord> PdfWords(const QString& pdfPath) {
    const QString html =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), Unescape(m.captured(5))});
    }
    return words;
}

QString PdfPageText(const QString& pdfPath, int page) {
    const QString number = QString::number(page + 1);
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                             QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
}

PdfInfo ReadPdfInfo(const QString& pdfPath) {
    const QString info = Run(QStringLiteral("pdfinfo"), {pdfPath});
    PdfInfo result;
    static const QRegularExpression pages(QStringLiteral(R"re(Pages:\s+(\d+))re"));
    static const QRegularExpression size(QStringLiteral(R"re(Page size:\s+([\d.]+) x ([\d.]+))re"));
    result.pages = pages.match(info).captured(1).toInt();
    const QRegularExpressionMatch m = size.match(info);
    result.width = m.captured(1).toDouble();
    result.height = m.captured(2).toDouble();
    return result;
}
