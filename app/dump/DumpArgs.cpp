#include "app/dump/DumpArgs.h"

#include "graph/GraphPicture.h"

const char* const DumpUsage =
    "usage: radview-dump FILE\n"
    "       radview-dump FILE --series S --save-table FIRST LAST OUT\n"
    "       radview-dump FILE --series S --csv FIRST LAST OUT|-\n"
    "       radview-dump FILE --series S --average FIRST LAST\n"
    "       radview-dump FILE --series S --png W H OUT.png [--view FIRST COUNT] "
    "[--pointer P] [--grid]\n"
    "       radview-dump FILE --series S --svg W H OUT.svg [--view FIRST COUNT] "
    "[--pointer P] [--grid]\n"
    "       radview-dump FILE --series S --print-graph OUT.pdf [--view FIRST COUNT] [--grid] [--paper P]\n"
    "       radview-dump FILE --series S --print-table FIRST LAST OUT.pdf [--paper P]\n"
    "       radview-dump FILE --series S --print-graph --printer NAME|- [--wait]\n"
    "       radview-dump FILE --series S --print-table FIRST LAST --printer NAME|- [--wait]\n"
    "         (P: A4, A5, Letter or Legal; NAME - for the default print queue)\n"
    "       radview-dump FILE --series S --report FIRST LAST OUT.pdf [--levels L1,L2,...]\n"
    "       radview-dump --summary FILE...\n"
    "       radview-dump --help\n"
    "       radview-dump --version";

namespace {

// Series ordinals and measurement numbers are unsigned 16-bit; 0 is let through where the command gives it
// a meaning or names the span error itself.
constexpr int kLargestNumber = 65535;
// The longest side of a picture: large enough for any print, small enough that the image fits in memory.
constexpr int kLargestSide = 16384;
static_assert(kLargestSide == LargestPictureSide, "the window and the command line draw the same sizes");
const QLatin1String kSpanRange(", FIRST and LAST from 0 to 65535");
// Activities are signed 32-bit; a level above every one of them is still a level.
constexpr qlonglong kLargestLevel = 2147483647;

class ArgReader {
public:
    explicit ArgReader(const QStringList& arguments) : args_(arguments) {}

    bool atEnd() const { return pos_ >= args_.size(); }
    QString next() { return atEnd() ? QString() : args_[pos_++]; }

    // A decimal number within [low, high]. Anything else, a number too large for any type included, is
    // refused here, so that no later sum or product of the arguments can overflow.
    bool number(int& value, int low, int high) {
        bool ok = false;
        const qlonglong parsed = next().toLongLong(&ok);
        if (!ok || parsed < low || parsed > high)
            return false;
        value = static_cast<int>(parsed);
        return true;
    }

    // FIRST LAST of a span of measurements.
    bool span(DumpArgs& args) {
        return number(args.first, 0, kLargestNumber) && number(args.last, 0, kLargestNumber);
    }

    // W H of a picture.
    bool pictureSize(DumpArgs& args) {
        return number(args.width, 1, kLargestSide) && number(args.height, 1, kLargestSide);
    }

    // L1,L2,…: one or more levels from 0 to kLargestLevel, each checked as a number is.
    bool levels(std::vector<int64_t>& levels) {
        levels.clear();
        const QStringList items = next().split(QLatin1Char(','));
        for (const QString& item : items) {
            bool ok = false;
            const qlonglong level = item.toLongLong(&ok);
            if (!ok || level < 0 || level > kLargestLevel)
                return false;
            levels.push_back(level);
        }
        return true;
    }

    // OUT.pdf of a printout, or --printer NAME in its place.
    bool outputOrPrinter(DumpArgs& args) {
        const QString target = next();
        if (target == QLatin1String("--printer"))
            return !(args.printer = next()).isEmpty();
        return !(args.output = target).isEmpty();
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

DumpArgsResult Failure(const QString& why) {
    return {std::nullopt, why + QLatin1Char('\n') + QString::fromUtf8(DumpUsage)};
}

// --help and --version answer for the whole command line, wherever the file or an option may stand.
std::optional<DumpArgs> Question(const QString& argument) {
    DumpArgs args;
    if (argument == QLatin1String("--help"))
        args.action = DumpArgs::Action::Help;
    else if (argument == QLatin1String("--version"))
        args.action = DumpArgs::Action::Version;
    else
        return std::nullopt;
    return args;
}

// --summary FILE…: every argument after it is a file, whatever it looks like.
DumpArgsResult ParseSummaryArgs(ArgReader& reader) {
    DumpArgs args;
    args.action = DumpArgs::Action::Summary;
    args.files = reader.rest();
    if (args.files.isEmpty())
        return Failure(QStringLiteral("--summary takes one or more files"));
    return {args, QString()};
}

} // namespace

DumpArgsResult ParseDumpArgs(const QStringList& arguments) {
    ArgReader reader(arguments);
    if (arguments.value(0) == QLatin1String("--summary")) {
        reader.next();
        return ParseSummaryArgs(reader);
    }
    DumpArgs args;
    args.file = reader.next();
    if (const std::optional<DumpArgs> question = Question(args.file))
        return {question, QString()};
    if (args.file.isEmpty() || args.file.startsWith(QLatin1String("--")))
        return Failure(QStringLiteral("no instrument file given"));
    bool seriesGiven = false;
    while (!reader.atEnd()) {
        const QString option = reader.next();
        if (const std::optional<DumpArgs> question = Question(option))
            return {question, QString()};
        if (option == QLatin1String("--series")) {
            if (!reader.number(args.series, 1, kLargestNumber))
                return Failure(QStringLiteral("--series takes a series ordinal from 1 to 65535"));
            seriesGiven = true;
        } else if (option == QLatin1String("--save-table")) {
            args.action = DumpArgs::Action::SaveTable;
            if (!reader.span(args) || (args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--save-table takes FIRST LAST OUT") + kSpanRange);
        } else if (option == QLatin1String("--average")) {
            args.action = DumpArgs::Action::Average;
            if (!reader.span(args))
                return Failure(QStringLiteral("--average takes FIRST LAST") + kSpanRange);
        } else if (option == QLatin1String("--png")) {
            args.action = DumpArgs::Action::Png;
            if (!reader.number(args.width, 1, kLargestSide) || !reader.number(args.height, 1, kLargestSide) ||
                (args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--png takes W H OUT.png with W and H from 1 to 16384"));
        } else if (option == QLatin1String("--csv")) {
            args.action = DumpArgs::Action::Csv;
            if (!reader.span(args) || (args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--csv takes FIRST LAST OUT, OUT - for standard output") +
                               kSpanRange);
        } else if (option == QLatin1String("--svg")) {
            args.action = DumpArgs::Action::Svg;
            if (!reader.pictureSize(args) || (args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--svg takes W H OUT.svg with W and H from 1 to 16384"));
        } else if (option == QLatin1String("--print-graph")) {
            args.action = DumpArgs::Action::PrintGraph;
            if (!reader.outputOrPrinter(args))
                return Failure(QStringLiteral("--print-graph takes OUT.pdf or --printer NAME"));
        } else if (option == QLatin1String("--print-table")) {
            args.action = DumpArgs::Action::PrintTable;
            if (!reader.span(args) || !reader.outputOrPrinter(args))
                return Failure(
                    QStringLiteral("--print-table takes FIRST LAST OUT.pdf or FIRST LAST --printer NAME") +
                    kSpanRange);
        } else if (option == QLatin1String("--report")) {
            args.action = DumpArgs::Action::Report;
            if (!reader.span(args) || (args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--report takes FIRST LAST OUT.pdf") + kSpanRange);
        } else if (option == QLatin1String("--levels")) {
            if (!reader.levels(args.levels))
                return Failure(QStringLiteral("--levels takes L1,L2,... each from 0 to 2147483647"));
        } else if (option == QLatin1String("--view")) {
            if (!reader.number(args.viewFirst, 0, kLargestNumber) ||
                !reader.number(args.viewCount, 0, kLargestNumber))
                return Failure(QStringLiteral("--view takes FIRST COUNT, each from 0 to 65535"));
        } else if (option == QLatin1String("--pointer")) {
            if (!reader.number(args.pointer, 0, kLargestNumber))
                return Failure(QStringLiteral("--pointer takes a measurement number from 0 to 65535"));
        } else if (option == QLatin1String("--grid")) {
            args.grid = true;
        } else if (option == QLatin1String("--wait")) {
            args.wait = true;
        } else if (option == QLatin1String("--paper")) {
            args.paper = reader.next();
            if (!QStringList{"A4", "A5", "Letter", "Legal"}.contains(args.paper))
                return Failure(QStringLiteral("--paper takes A4, A5, Letter or Legal"));
        } else {
            return Failure(QStringLiteral("unknown option ") + option);
        }
    }
    if (args.action != DumpArgs::Action::Json && !seriesGiven)
        return Failure(QStringLiteral("--series S is needed to choose the series"));
    if (args.wait && args.printer.isEmpty())
        return Failure(QStringLiteral("--wait goes with --printer"));
    if (!args.paper.isEmpty() && args.action != DumpArgs::Action::PrintGraph &&
        args.action != DumpArgs::Action::PrintTable)
        return Failure(QStringLiteral("--paper goes with --print-graph and --print-table"));
    if (!args.levels.empty() && args.action != DumpArgs::Action::Report)
        return Failure(QStringLiteral("--levels goes with --report"));
    return {args, QString()};
}
