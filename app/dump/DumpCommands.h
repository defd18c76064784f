#pragma once

#include "app/dump/DumpArgs.h"

#include <QByteArray>
#include <QString>

// What a run of radview-dump prints and how it ends.
struct DumpOutcome {
    int exitCode = 0;
    QByteArray out;
    QString err;
};

DumpOutcome RunDumpCommand(const DumpArgs& args);
