#include "dump/DumpArgs.h"

#include "app/program/ProgramVersion.h"
#include "graph/GraphPicture.h"
#include "store/NativePath.h"
#include "store/ReadingSettings.h"

#include <QCoreApplication>

#include <array>

const char* const DumpUsage = QT_TRANSLATE_NOOP(
    "DumpArgs",
    "Использование: radview-dump FILE\n"
    "  или:  radview-dump FILE --series S --save-table FIRST LAST OUT\n"
    "  или:  radview-dump FILE --series S --csv FIRST LAST OUT\n"
    "  или:  radview-dump FILE --series S --average FIRST LAST\n"
    "  или:  radview-dump FILE --series S --png W H OUT.png [--view FIRST COUNT] [--pointer P] [--grid]\n"
    "                    [--levels L1,L2,...] [--warning-colour #RRGGBB] [--average-window HOURS]\n"
    "                    [--unit pCi/L|Bq/m3]\n"
    "  или:  radview-dump FILE --series S --svg W H OUT.svg [--view FIRST COUNT] [--pointer P] [--grid]\n"
    "                    [--levels L1,L2,...] [--warning-colour #RRGGBB] [--average-window HOURS]\n"
    "                    [--unit pCi/L|Bq/m3]\n"
    "  или:  radview-dump FILE --series S --print-graph OUT.pdf [--view FIRST COUNT] [--grid] [--paper P]\n"
    "  или:  radview-dump FILE --series S --print-table FIRST LAST OUT.pdf [--paper P]\n"
    "  или:  radview-dump FILE --series S --print-graph --printer NAME|- [--wait] [--paper P]\n"
    "  или:  radview-dump FILE --series S --print-table FIRST LAST --printer NAME|- [--wait] [--paper P]\n"
    "  или:  radview-dump FILE --series S --report FIRST LAST OUT.pdf [--levels L1,L2,...]\n"
    "                    [--warning-colour #RRGGBB] [--average-window HOURS] [--unit pCi/L|Bq/m3]\n"
    "  или:  radview-dump --summary FILE...\n"
    "  или:  radview-dump --help\n"
    "  или:  radview-dump --version\n"
    "Читает файл прибора для измерения объёмной активности радона и без окна делает то же, что\n"
    "программа просмотра radview: выводит файл в JSON, сохраняет таблицу, CSV, рисунок графика,\n"
    "печатные формы и отчёт по серии, считает среднее. За один запуск выполняется одно действие.\n"
    "\n"
    "Действия:\n"
    "      --save-table FIRST LAST OUT  таблица измерений FIRST..LAST в кодировке CP866\n"
    "      --csv FIRST LAST OUT         измерения FIRST..LAST в CSV\n"
    "      --average FIRST LAST         средняя активность за измерения FIRST..LAST\n"
    "      --png W H OUT.png            график рисунком PNG W×H пикселей\n"
    "      --svg W H OUT.svg            график рисунком SVG W×H пикселей\n"
    "      --print-graph OUT.pdf        печатная форма графика в PDF\n"
    "      --print-table FIRST LAST OUT.pdf  печатная форма таблицы в PDF\n"
    "      (у печатных форм вместо OUT.pdf может стоять --printer NAME: задание на очередь печати NAME,\n"
    "       «-» — очередь по умолчанию)\n"
    "      --report FIRST LAST OUT.pdf  отчёт по измерениям FIRST..LAST в PDF\n"
    "      --summary FILE...            по строке CSV на каждую серию каждого файла\n"
    "Без действия файл выводится в JSON.\n"
    "\n"
    "Параметры:\n"
    "      --series S          порядковый номер серии (1..65535), нужен каждому действию с серией\n"
    "      --view FIRST COUNT  видимые измерения графика (--png, --svg, --print-graph)\n"
    "      --pointer P         измерение под указателем (--png, --svg)\n"
    "      --grid              сетка на графике (--png, --svg, --print-graph)\n"
    "      --levels L1,L2,...  уровни в Бк/м³: линии уровней на графике (--png, --svg, --report) и время\n"
    "                          выше уровня в отчёте (без них в отчёте уровни 100, 200 и 300 без линий)\n"
    "      --warning-colour #RRGGBB  цвет графика выше наибольшего уровня (--png, --svg, --report;\n"
    "                          по умолчанию #ff8000)\n"
    "      --average-window HOURS  скользящее среднее за HOURS часов (1..8784) второй линией на графике\n"
    "                          (--png, --svg, --report)\n"
    "      --unit U            единица активности шкалы и цифр: Bq/m3 (Бк/м³, по умолчанию) или pCi/L\n"
    "                          (пКи/л) (--png, --svg, --report)\n"
    "      --wait              ждать конца задания на принтере (--printer)\n"
    "      --paper P           бумага печатной формы: A4, A5, Letter или Legal (по умолчанию A4 для\n"
    "                          файла и бумага очереди для принтера)\n"
    "  -h, --help              показать эту справку и выйти\n"
    "      --version           показать версию и выйти\n"
    "\n"
    "FILE «-» читается со стандартного ввода (не более 8196 байт), OUT «-» пишется на стандартный\n"
    "вывод, как и OUT, который сам является стандартным выводом программы (/dev/stdout). Файл\n"
    "заменяется только целиком записанным новым.\n"
    "\n"
    "Код возврата: 0 — успешно (для --printer: очередь приняла задание); 1 — --summary не смог прочитать\n"
    "часть файлов; 2 — ошибка в командной строке, в файле, при записи или очередь не приняла задание;\n"
    "3 — с --wait задание не напечатано.");

QString DumpUsageText() {
    return QCoreApplication::translate("DumpArgs", DumpUsage);
}

QByteArray DumpVersionText() {
    return QByteArray::fromStdString(VersionText("radview-dump"));
}

namespace {

using Action = DumpArgs::Action;

// Series ordinals and measurement numbers are unsigned 16-bit; 0 is let through where the command gives it
// a meaning or names the span error itself.
constexpr int kLargestNumber = 65535;
// The longest side of a picture: large enough for any print, small enough that the image fits in memory.
constexpr int kLargestSide = 16384;
static_assert(kLargestSide == LargestPictureSide, "the window and the command line draw the same sizes");
// Activities are signed 32-bit; a level above every one of them is still a level.
constexpr qlonglong kLargestLevel = 2147483647;
// A line of the report's statistics each: a few, so that the report stays within its four pages.
constexpr qsizetype kMostLevels = 10;

// What each action reads after its name, and which options go with it. An option added for a printer or a
// page (--printer, --paper, --wait) gets a bit of its own and is added to the actions that print.
struct ActionRule {
    const char* name;
    Action action;
    const char* operands; // for the message when they are missing or wrong
    unsigned accepted;    // DumpArgs::Option bits
};

constexpr unsigned kGraphOptions = DumpArgs::Series | DumpArgs::View | DumpArgs::Grid;
constexpr unsigned kPrinterOptions = DumpArgs::Wait | DumpArgs::Paper;
// What a reader adds to a graph: levels, their warning colour, the running average and the unit.
constexpr unsigned kReadingOptions =
    DumpArgs::Levels | DumpArgs::WarningColour | DumpArgs::AverageWindow | DumpArgs::Unit;
constexpr unsigned kPictureOptions = DumpArgs::Pointer | kReadingOptions;
const std::array<ActionRule, 8> kActions = {{
    {"--save-table", Action::SaveTable,
     QT_TRANSLATE_NOOP("DumpArgs", "FIRST LAST OUT, FIRST и LAST от 0 до 65535"), DumpArgs::Series},
    {"--csv", Action::Csv, QT_TRANSLATE_NOOP("DumpArgs", "FIRST LAST OUT, FIRST и LAST от 0 до 65535"),
     DumpArgs::Series},
    {"--average", Action::Average, QT_TRANSLATE_NOOP("DumpArgs", "FIRST LAST от 0 до 65535"),
     DumpArgs::Series},
    {"--png", Action::Png, QT_TRANSLATE_NOOP("DumpArgs", "W H OUT.png, W и H от 1 до 16384"),
     kGraphOptions | kPictureOptions},
    {"--svg", Action::Svg, QT_TRANSLATE_NOOP("DumpArgs", "W H OUT.svg, W и H от 1 до 16384"),
     kGraphOptions | kPictureOptions},
    {"--print-graph", Action::PrintGraph, QT_TRANSLATE_NOOP("DumpArgs", "OUT.pdf или --printer NAME"),
     kGraphOptions | kPrinterOptions},
    {"--print-table", Action::PrintTable,
     QT_TRANSLATE_NOOP("DumpArgs",
                       "FIRST LAST OUT.pdf или FIRST LAST --printer NAME, FIRST и LAST от 0 до 65535"),
     DumpArgs::Series | kPrinterOptions},
    {"--report", Action::Report,
     QT_TRANSLATE_NOOP("DumpArgs", "FIRST LAST OUT.pdf, FIRST и LAST от 0 до 65535"),
     DumpArgs::Series | kReadingOptions},
}};

struct OptionRule {
    const char* name;
    DumpArgs::Option option;
    const char* operands;
};

const std::array<OptionRule, 10> kOptions = {{
    {"--series", DumpArgs::Series, QT_TRANSLATE_NOOP("DumpArgs", "порядковый номер серии от 1 до 65535")},
    {"--view", DumpArgs::View, QT_TRANSLATE_NOOP("DumpArgs", "FIRST COUNT, каждое от 0 до 65535")},
    {"--pointer", DumpArgs::Pointer, QT_TRANSLATE_NOOP("DumpArgs", "номер измерения от 0 до 65535")},
    {"--grid", DumpArgs::Grid, ""},
    {"--levels", DumpArgs::Levels,
     QT_TRANSLATE_NOOP("DumpArgs", "L1,L2,... (не более 10) от 0 до 2147483647")},
    {"--wait", DumpArgs::Wait, ""},
    {"--paper", DumpArgs::Paper, QT_TRANSLATE_NOOP("DumpArgs", "A4, A5, Letter или Legal")},
    {"--warning-colour", DumpArgs::WarningColour, QT_TRANSLATE_NOOP("DumpArgs", "цвет вида #RRGGBB")},
    {"--average-window", DumpArgs::AverageWindow,
     QT_TRANSLATE_NOOP("DumpArgs", "размер окна в часах от 1 до 8784")},
    {"--unit", DumpArgs::Unit, QT_TRANSLATE_NOOP("DumpArgs", "pCi/L или Bq/m3")},
}};

class ArgReader {
public:
    explicit ArgReader(const QStringList& arguments) : args_(arguments) {}

    bool atEnd() const { return pos_ >= args_.size(); }
    QString next() { return atEnd() ? QString() : args_[pos_++]; }

    // A decimal number within [low, high]. Anything else, a number too large for any type included, is
    // refused here, so that no later sum or product of the arguments can overflow.
    bool number(int& value, int low, int high) {
        if (atEnd())
            return false;
        bool ok = false;
        const qlonglong parsed = next().toLongLong(&ok);
        if (!ok || parsed < low || parsed > high)
            return false;
        value = static_cast<int>(parsed);
        return true;
    }

    bool output(QString& value) {
        value = next();
        return !value.isEmpty();
    }

    // A printout's file, or --printer NAME in its place.
    bool outputOrPrinter(DumpArgs& args) {
        const QString target = next();
        if (target == QLatin1String("--printer"))
            return !(args.printer = next()).isEmpty();
        return !(args.output = target).isEmpty();
    }

    // L1,L2,…: one to kMostLevels levels from 0 to kLargestLevel, each checked as a number is.
    bool levels(std::vector<int64_t>& levels) {
        if (atEnd())
            return false;
        const QStringList items = next().split(QLatin1Char(','));
        if (items.size() > kMostLevels)
            return false;
        for (const QString& item : items) {
            bool ok = false;
            const qlonglong level = item.toLongLong(&ok);
            if (!ok || level < 0 || level > kLargestLevel)
                return false;
            levels.push_back(level);
        }
        return true;
    }

    QStringList rest() {
        const QStringList remaining = args_.mid(pos_);
        pos_ = args_.size();
        return remaining;
    }

private:
    const QStringList& args_;
    qsizetype pos_ = 0;
};

QString Quoted(const QString& text) {
    return QStringLiteral("«%1»").arg(ShownPath(text));
}

DumpArgsResult Failure(const QString& why) {
    return {std::nullopt, why + QLatin1Char('\n') + DumpUsageText()};
}

bool ReadOperands(ArgReader& reader, Action action, DumpArgs& args) {
    switch (action) {
    case Action::SaveTable:
    case Action::Csv:
    case Action::Report:
        return reader.number(args.first, 0, kLargestNumber) && reader.number(args.last, 0, kLargestNumber) &&
               reader.output(args.output);
    case Action::PrintTable:
        return reader.number(args.first, 0, kLargestNumber) && reader.number(args.last, 0, kLargestNumber) &&
               reader.outputOrPrinter(args);
    case Action::Average:
        return reader.number(args.first, 0, kLargestNumber) && reader.number(args.last, 0, kLargestNumber);
    case Action::Png:
    case Action::Svg:
        return reader.number(args.width, 1, kLargestSide) && reader.number(args.height, 1, kLargestSide) &&
               reader.output(args.output);
    case Action::PrintGraph:
        return reader.outputOrPrinter(args);
    default:
        return true;
    }
}

bool ReadOption(ArgReader& reader, DumpArgs::Option option, DumpArgs& args) {
    switch (option) {
    case DumpArgs::Series:
        return reader.number(args.series, 1, kLargestNumber);
    case DumpArgs::View:
        return reader.number(args.viewFirst, 0, kLargestNumber) &&
               reader.number(args.viewCount, 0, kLargestNumber);
    case DumpArgs::Pointer:
        return reader.number(args.pointer, 0, kLargestNumber);
    case DumpArgs::Grid:
        args.grid = true;
        return true;
    case DumpArgs::Levels:
        return reader.levels(args.levels);
    case DumpArgs::Wait:
        args.wait = true;
        return true;
    case DumpArgs::Paper:
        args.paper = reader.next();
        return QStringList{"A4", "A5", "Letter", "Legal"}.contains(args.paper);
    case DumpArgs::WarningColour:
        args.warningColour = reader.next();
        return IsWarningColourText(args.warningColour);
    case DumpArgs::AverageWindow:
        return reader.number(args.averageWindowHours, LeastAverageWindowHours, MostAverageWindowHours);
    case DumpArgs::Unit: {
        const std::optional<ActivityUnit> unit = ActivityUnitNamed(reader.next());
        args.unit = unit.value_or(args.unit);
        return unit.has_value();
    }
    }
    return false;
}

// --help (-h) and --version answer for the whole command line, wherever they stand, unless they are the
// operand of an option.
std::optional<Action> Question(const QString& argument) {
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
        return Action::Help;
    if (argument == QLatin1String("--version"))
        return Action::Version;
    return std::nullopt;
}

QString ActionName(Action action, const QString& fallback) {
    for (const ActionRule& rule : kActions)
        if (rule.action == action)
            return QString::fromLatin1(rule.name);
    return fallback;
}

// What the whole command line says once read: every option suits the action, the action has its series.
DumpArgsResult Judge(const DumpArgs& args, unsigned given) {
    unsigned accepted = 0;
    for (const ActionRule& rule : kActions)
        if (rule.action == args.action)
            accepted = rule.accepted;
    const QString actionName =
        ActionName(args.action, args.action == Action::Summary
                                    ? QStringLiteral("--summary")
                                    : QCoreApplication::translate("DumpArgs", "выводом файла в JSON"));
    for (const OptionRule& rule : kOptions) {
        if ((given & rule.option) && !(accepted & rule.option))
            return Failure(QCoreApplication::translate("DumpArgs", "параметр %1 не используется с %2")
                               .arg(rule.name, actionName));
    }
    if (args.action == Action::Summary)
        return args.files.isEmpty()
                   ? Failure(QCoreApplication::translate("DumpArgs", "--summary: нужен хотя бы один FILE"))
                   : DumpArgsResult{args, QString()};
    if (args.file.isEmpty())
        return Failure(QCoreApplication::translate("DumpArgs", "не указан FILE, файл прибора"));
    if ((accepted & DumpArgs::Series) && !(given & DumpArgs::Series))
        return Failure(QCoreApplication::translate("DumpArgs", "для %1 нужен --series S").arg(actionName));
    if (args.wait && args.printer.isEmpty())
        return Failure(
            QCoreApplication::translate("DumpArgs", "параметр --wait используется только с --printer"));
    return {args, QString()};
}

} // namespace

DumpArgsResult ParseDumpArgs(const QStringList& arguments) {
    ArgReader reader(arguments);
    DumpArgs args;
    bool actionGiven = false;
    QString actionName;
    unsigned given = 0;
    bool onlyFiles = false; // after "--" every argument is a file
    while (!reader.atEnd()) {
        const QString argument = reader.next();
        if (!onlyFiles) {
            if (const std::optional<Action> question = Question(argument)) {
                DumpArgs answer;
                answer.action = *question;
                return {answer, QString()};
            }
        }
        const bool isOption = !onlyFiles && argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
        if (!isOption) {
            if (args.action == Action::Summary) {
                args.files << argument;
            } else if (!args.file.isEmpty()) {
                return Failure(QCoreApplication::translate("DumpArgs",
                                                           "лишний файл %1: radview-dump читает один FILE "
                                                           "(или --summary FILE...)")
                                   .arg(Quoted(argument)));
            } else if (argument.isEmpty()) {
                return Failure(QCoreApplication::translate("DumpArgs", "пустое имя файла"));
            } else {
                args.file = argument;
            }
            continue;
        }
        if (argument == QLatin1String("--")) {
            onlyFiles = true;
            continue;
        }
        const ActionRule* action = nullptr;
        for (const ActionRule& rule : kActions)
            if (argument == QLatin1String(rule.name))
                action = &rule;
        const bool summary = argument == QLatin1String("--summary");
        if (action || summary) {
            if (actionGiven)
                return Failure(QCoreApplication::translate(
                                   "DumpArgs", "за один запуск выполняется одно действие, а указаны %1 и %2")
                                   .arg(actionName, argument));
            actionGiven = true;
            actionName = argument;
            if (summary) {
                if (!args.file.isEmpty())
                    return Failure(QCoreApplication::translate("DumpArgs",
                                                               "--summary читает файлы, указанные после "
                                                               "него, а перед ним указан %1")
                                       .arg(Quoted(args.file)));
                args.action = Action::Summary;
                args.files << reader.rest(); // every argument after it is a file, whatever it looks like
                continue;
            }
            args.action = action->action;
            if (!ReadOperands(reader, action->action, args))
                return Failure(QCoreApplication::translate("DumpArgs", "%1: нужны %2")
                                   .arg(argument, QCoreApplication::translate("DumpArgs", action->operands)));
            continue;
        }
        const OptionRule* option = nullptr;
        for (const OptionRule& rule : kOptions)
            if (argument == QLatin1String(rule.name))
                option = &rule;
        if (!option)
            return Failure(
                QCoreApplication::translate("DumpArgs", "неизвестный параметр %1").arg(Quoted(argument)));
        if (given & option->option)
            return Failure(
                QCoreApplication::translate("DumpArgs", "параметр %1 указан дважды").arg(argument));
        given |= option->option;
        if (!ReadOption(reader, option->option, args))
            return Failure(QCoreApplication::translate("DumpArgs", "%1: нужен %2")
                               .arg(argument, QCoreApplication::translate("DumpArgs", option->operands)));
    }
    return Judge(args, given);
}
