#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The command line of radview-dump:
//   radview-dump FILE
//   radview-dump FILE --series S --save-table FIRST LAST OUT
//   radview-dump FILE --series S --csv FIRST LAST OUT                  (OUT "-": standard output)
//   radview-dump FILE --series S --average FIRST LAST
//   radview-dump FILE --series S --png W H OUT.png [--view FIRST COUNT] [--pointer P] [--grid]
//   radview-dump FILE --series S --svg W H OUT.svg [--view FIRST COUNT] [--pointer P] [--grid]
//   radview-dump FILE --series S --print-graph OUT.pdf [--view FIRST COUNT] [--grid]
//   radview-dump FILE --series S --print-table FIRST LAST OUT.pdf
//     (either printout: --printer NAME in place of OUT.pdf, "-" for the default queue, [--wait];
//      [--paper A4|A5|Letter|Legal])
//   radview-dump FILE --series S --report FIRST LAST OUT.pdf [--levels L1,L2,...]
//   radview-dump --summary FILE...
//   radview-dump --help
//   radview-dump --version
struct DumpArgs {
    enum class Action {
        Json,
        SaveTable,
        Average,
        Png,
        PrintGraph,
        PrintTable,
        Csv,
        Svg,
        Report,
        Summary,
        Help,
        Version
    };

    QString file;
    Action action = Action::Json;
    int series = 0;
    int first = 0;
    int last = 0;
    QString output;
    int width = 0;     // --png, --svg
    int height = 0;    // --png, --svg
    int viewFirst = 0; // --view; 0 for the whole series
    int viewCount = 0; // --view
    int pointer = 0;   // --pointer; 0 for the first visible measurement
    bool grid = false; // --grid
    QString printer;   // --printer, in place of the printout's file; "-" for the default queue
    bool wait = false; // --wait: for the printed job to end
    QString paper;     // --paper; empty: A4 for a file, the queue's own paper for a printer

    std::vector<int64_t> levels; // --levels; empty for the report's usual ones
    QStringList files;           // --summary

    // The picture actions draw and need a GUI application object (fonts), though no window.
    bool draws() const {
        return action == Action::Png || action == Action::PrintGraph || action == Action::PrintTable ||
               action == Action::Svg || action == Action::Report;
    }
    // The graph as a picture file of W × H pixels.
    bool savesPicture() const { return action == Action::Png || action == Action::Svg; }
};

struct DumpArgsResult {
    std::optional<DumpArgs> args;
    QString error; // usage text or what is wrong, when args is empty
};

DumpArgsResult ParseDumpArgs(const QStringList& arguments);

extern const char* const DumpUsage;
