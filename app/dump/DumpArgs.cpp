#include "DumpArgs.h"

const char* const DumpUsage =
    "usage: radview-dump FILE\n"
    "       radview-dump FILE --series S --save-table FIRST LAST OUT\n"
    "       radview-dump FILE --series S --average FIRST LAST\n"
    "       radview-dump FILE --series S --png W H OUT.png [--view FIRST COUNT] "
    "[--pointer P] [--grid]\n"
    "       radview-dump FILE --series S --print-graph OUT.pdf [--view FIRST COUNT] [--grid]\n"
    "       radview-dump FILE --series S --print-table FIRST LAST OUT.pdf";

namespace {

class ArgReader {
public:
    explicit ArgReader(const QStringList& arguments) : args_(arguments) {}

    bool atEnd() const { return pos_ >= args_.size(); }
    QString next() { return atEnd() ? QString() : args_[pos_++]; }

    bool number(int& value) {
        bool ok = false;
        value = next().toInt(&ok);
        return ok;
    }

private:
    const QStringList& args_;
    qsizetype pos_ = 0;
};

DumpArgsResult Failure(const QString& why) {
    return {std::nullopt, why + QLatin1Char('\n') + QString::fromUtf8(DumpUsage)};
}

} // namespace

DumpArgsResult ParseDumpArgs(const QStringList& arguments) {
    ArgReader reader(arguments);
    DumpArgs args;
    args.file = reader.next();
    if (args.file.isEmpty() || args.file.startsWith(QLatin1String("--")))
        return Failure(QStringLiteral("no instrument file given"));
    bool seriesGiven = false;
    while (!reader.atEnd()) {
        const QString option = reader.next();
        if (option == QLatin1String("--series")) {
            if (!reader.number(args.series))
                return Failure(QStringLiteral("--series takes a series ordinal"));
            seriesGiven = true;
        } else if (option == QLatin1String("--save-table")) {
            args.action = DumpArgs::Action::SaveTable;
            if (!reader.number(args.first) || !reader.number(args.last))
                return Failure(QStringLiteral("--save-table takes FIRST LAST OUT"));
            args.output = reader.next();
            if (args.output.isEmpty())
                return Failure(QStringLiteral("--save-table takes FIRST LAST OUT"));
        } else if (option == QLatin1String("--average")) {
            args.action = DumpArgs::Action::Average;
            if (!reader.number(args.first) || !reader.number(args.last))
                return Failure(QStringLiteral("--average takes FIRST LAST"));
        } else if (option == QLatin1String("--png")) {
            args.action = DumpArgs::Action::Png;
            if (!reader.number(args.width) || !reader.number(args.height) || args.width < 1 ||
                args.height < 1 || (args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--png takes W H OUT.png with a positive size"));
        } else if (option == QLatin1String("--print-graph")) {
            args.action = DumpArgs::Action::PrintGraph;
            if ((args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--print-graph takes OUT.pdf"));
        } else if (option == QLatin1String("--print-table")) {
            args.action = DumpArgs::Action::PrintTable;
            if (!reader.number(args.first) || !reader.number(args.last) ||
                (args.output = reader.next()).isEmpty())
                return Failure(QStringLiteral("--print-table takes FIRST LAST OUT.pdf"));
        } else if (option == QLatin1String("--view")) {
            if (!reader.number(args.viewFirst) || !reader.number(args.viewCount))
                return Failure(QStringLiteral("--view takes FIRST COUNT"));
        } else if (option == QLatin1String("--pointer")) {
            if (!reader.number(args.pointer))
                return Failure(QStringLiteral("--pointer takes a measurement number"));
        } else if (option == QLatin1String("--grid")) {
            args.grid = true;
        } else {
            return Failure(QStringLiteral("unknown option ") + option);
        }
    }
    if (args.action != DumpArgs::Action::Json && !seriesGiven)
        return Failure(QStringLiteral("--series S is needed to choose the series"));
    return {args, QString()};
}
