#include "app/program/ViewerCommandLine.h"

#include "app/program/ProgramVersion.h"
#include "store/NativePath.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

const char* const ViewerUsage = QT_TRANSLATE_NOOP(
    "ViewerCommandLine",
    "Использование: radview [FILE]\n"
    "  или:  radview --help\n"
    "  или:  radview --version\n"
    "Показывает измерения прибора для измерения объёмной активности радона из файла прибора (*.rad):\n"
    "график, таблицу, средние, печатные формы и отчёт.\n"
    "\n"
    "  FILE           файл прибора, открываемый при запуске\n"
    "  -h, --help     показать эту справку и выйти\n"
    "      --version  показать версию и выйти\n"
    "\n"
    "Стандартные параметры Qt передаются Qt.\n"
    "\n"
    "Код возврата: 0 — успешно; 2 — ошибка в командной строке.\n");

namespace {

constexpr int kRefused = 2;

QString Translated(const char* text) {
    return QCoreApplication::translate("ViewerCommandLine", text);
}

// Qt's own options, which QGuiApplication and QApplication take out of the arguments themselves, and
// whether each takes a value. Qt reads them with one dash or two, the value in the next argument or after
// "=".
struct QtOption {
    const char* name;
    bool takesValue;
};

constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"style", true},
    {"stylesheet", true},
    {"name", true},
    {"title", true},
    {"visual", true},
    {"ncols", true},
    {"cmap", true},
    {"im", true},
    {"inputstyle", true},
    {"qmljsdebugger", false},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

// How many arguments Qt's option at `argument` takes up (1 or 2), or 0 when it is none of Qt's.
int QtOptionLength(const QString& argument) {
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    const bool valueAttached = equals >= 0;
    if (valueAttached)
        name.truncate(equals);
    for (const QtOption& option : kQtOptions) {
        if (name != QLatin1String(option.name))
            continue;
        if (valueAttached && !option.takesValue && name != QLatin1String("qmljsdebugger"))
            return 0;
        return option.takesValue && !valueAttached ? 2 : 1;
    }
    return 0;
}

ViewerCommandLine Refused(const QString& why) {
    ViewerCommandLine line;
    line.request = ViewerCommandLine::Request::Refused;
    line.error = why;
    return line;
}

// Answers whether all of the text reached standard output or standard error.
bool Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

} // namespace

ViewerCommandLine ParseViewerCommandLine(const QStringList& arguments) {
    QStringList files;
    bool onlyFiles = false;
    std::optional<ViewerCommandLine::Request> question;
    QString refusal;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (onlyFiles || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            files << argument;
        } else if (argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            question = question.value_or(ViewerCommandLine::Request::Help);
        } else if (argument == QLatin1String("--version")) {
            question = question.value_or(ViewerCommandLine::Request::Version);
        } else if (const int length = QtOptionLength(argument); length > 0) {
            i += length - 1; // Qt's: Qt reads it when the application object is made
        } else if (refusal.isEmpty()) {
            refusal = QCoreApplication::translate("ViewerCommandLine", "неизвестный параметр «%1»")
                          .arg(ShownPath(argument));
        }
    }
    ViewerCommandLine line;
    if (question) {
        line.request = *question;
        return line;
    }
    if (!refusal.isEmpty())
        return Refused(refusal);
    if (files.size() > 1)
        return Refused(
            QCoreApplication::translate("ViewerCommandLine", "лишний файл «%1»: открывается один FILE")
                .arg(ShownPath(files[1])));
    if (files.isEmpty())
        return line;
    if (files.first().isEmpty())
        return Refused(QCoreApplication::translate("ViewerCommandLine", "пустое имя файла"));
    // As absolute as the open dialog's answer, so that the next open dialog starts in the file's folder
    // whatever the working folder is then. The name stays the bytes given (see NativePath).
    line.file = QFileInfo(files.first()).absoluteFilePath();
    return line;
}

int AnswerViewerCommandLine(const ViewerCommandLine& line) {
    QString answer;
    switch (line.request) {
    case ViewerCommandLine::Request::Run:
        return 0;
    case ViewerCommandLine::Request::Help:
        answer = Translated(ViewerUsage);
        break;
    case ViewerCommandLine::Request::Version:
        answer = QString::fromStdString(VersionText("radview"));
        break;
    case ViewerCommandLine::Request::Refused:
        Print(stderr, QStringLiteral("radview: %1\n%2").arg(line.error, Translated(ViewerUsage)));
        return kRefused;
    }
    return Print(stdout, answer) ? 0 : kRefused;
}
