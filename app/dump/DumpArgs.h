#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line of radview-dump:
//   radview-dump FILE
//   radview-dump FILE --series S --save-table FIRST LAST OUT
//   radview-dump FILE --series S --average FIRST LAST
struct DumpArgs {
    enum class Action { Json, SaveTable, Average };

    QString file;
    Action action = Action::Json;
    int series = 0;
    int first = 0;
    int last = 0;
    QString output;
};

struct DumpArgsResult {
    std::optional<DumpArgs> args;
    QString error; // usage text or what is wrong, when args is empty
};

DumpArgsResult ParseDumpArgs(const QStringList& arguments);

extern const char* const DumpUsage;
