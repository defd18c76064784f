#pragma once

#include "store/ActivityUnit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The command line of radview-dump: one FILE and at most one action, each option at most once and only
// with an action that uses it (see DumpUsage). "-" as FILE is standard input, as an output standard output.
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

    // The options an action may take besides its own operands, as bits: which action accepts which is one
    // table in DumpArgs.cpp.
    enum Option : unsigned {
        Series = 1u << 0,
        View = 1u << 1,
        Pointer = 1u << 2,
        Grid = 1u << 3,
        Levels = 1u << 4,
        Wait = 1u << 5,
        Paper = 1u << 6,
        WarningColour = 1u << 7,
        AverageWindow = 1u << 8,
        Unit = 1u << 9,
    };

    QString file; // "-": standard input
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

    std::vector<int64_t> levels; // --levels; empty for the report's usual ones, or no lines on a picture
    QString warningColour;       // --warning-colour "#rrggbb"; empty for the usual one
    int averageWindowHours = 0;  // --average-window; 0 for no running average
    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre; // --unit
    QStringList files;                                        // --summary

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

// The help text (--help): a usage line per command, what the program does, one line per option, the exit
// statuses; laid out as GNU programs lay it out, so that help2man can make a manual page of it.
extern const char* const DumpUsage;
QString DumpUsageText(); // the same in the user's language

// What radview-dump prints for --version.
QByteArray DumpVersionText();
