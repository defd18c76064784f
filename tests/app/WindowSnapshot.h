#pragma once

#include "app/window/MainWindow.h"

#include <QImage>
#include <QSet>
#include <QStringList>

#include <ostream>

// What a user sees of the main window and its series list at one moment, so that two roads to the same
// file can be compared as a whole.
struct WindowSnapshot {
    QString panel0, panel1;
    QSet<QString> enabledCommands;
    QStringList valueTexts; // the information panel's value labels
    bool noSeriesChosen = false;
    bool seriesListShown = false;
    QStringList seriesListRows; // each row's texts joined by " | "
    QImage graph;

    bool operator==(const WindowSnapshot& other) const;
};

WindowSnapshot TakeSnapshot(MainWindow& form);

// Names the first part in which two snapshots differ, for a test's failure message.
void PrintTo(const WindowSnapshot& snapshot, std::ostream* out);
