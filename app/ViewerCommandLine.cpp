#include "app/ViewerCommandLine.h"

#include "app/ProgramVersion.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

const char* const ViewerUsage = "usage: radview [FILE]\n"
                                "       radview --help\n"
                                "       radview --version\n"
                                "\n"
                                "Shows the measurements of a radon-activity instrument file (*.rad).\n"
                                "\n"
                                "  FILE       the instrument file to open at start\n"
                                "  --help     print this usage and exit\n"
                                "  --version  print the program's name and version and exit\n";

namespace {

constexpr int kRefused = 2;

ViewerCommandLine Refused(const QString& why) {
    ViewerCommandLine line;
    line.request = ViewerCommandLine::Request::Refused;
    line.error = why;
    return line;
}

// Answers whether all of the text reached standard output or standard error.
bool Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

} // namespace

ViewerCommandLine ParseViewerCommandLine(const QStringList& arguments) {
    // The usage text above is the one help the viewer prints; the parser only reads the options.
    QCommandLineParser parser;
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(QStringList(QStringLiteral("radview")) + arguments))
        return Refused(parser.errorText());
    ViewerCommandLine line;
    if (parser.isSet(help)) {
        line.request = ViewerCommandLine::Request::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.request = ViewerCommandLine::Request::Version;
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Refused(QStringLiteral("only one FILE may be given"));
    if (files.isEmpty())
        return line;
    if (files.first().isEmpty())
        return Refused(QStringLiteral("the FILE given is an empty name"));
    // As absolute as the open dialog's answer, so that the next open dialog starts in the file's folder
    // whatever the working folder is then.
    line.file = QFileInfo(files.first()).absoluteFilePath();
    return line;
}

int AnswerViewerCommandLine(const ViewerCommandLine& line) {
    QString answer;
    switch (line.request) {
    case ViewerCommandLine::Request::Run:
        return 0;
    case ViewerCommandLine::Request::Help:
        answer = QString::fromUtf8(ViewerUsage);
        break;
    case ViewerCommandLine::Request::Version:
        answer = QString::fromStdString(VersionText("radview"));
        break;
    case ViewerCommandLine::Request::Refused:
        Print(stderr, QStringLiteral("radview: %1\n%2").arg(line.error, QString::fromUtf8(ViewerUsage)));
        return kRefused;
    }
    return Print(stdout, answer) ? 0 : kRefused;
}
