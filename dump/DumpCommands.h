#pragma once

#include "dump/DumpArgs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a run of radview-dump prints and how it ends.
struct DumpOutcome {
    int exitCode = 0;
    QByteArray out;
    QString err;
};

DumpOutcome RunDumpCommand(const DumpArgs& args);

// The exit status of a summary in which some file could not be read: its line says why, the other files
// are summarised all the same, and a script can still tell such a run from a clean one (0) and from a
// failed one (2).
constexpr int kSomeFilesUnread = 1;

// The exit status of a printout with --wait whose job was not printed (aborted, cancelled, held, or waiting
// on a stopped printer).
constexpr int kJobNotCompleted = 3;

// One CSV line per series of every file, after the header, in the order of the files.
DumpOutcome RunSummary(const QStringList& files);
