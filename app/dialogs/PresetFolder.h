#pragma once

#include <QString>

// Where the open dialog starts: the project's samples beside the sources while the program runs from its
// build tree, the installed samples when the installation ships them, else the user's home.
struct SampleLocations {
    QString applicationDir; // the folder of the running executable
    QString buildDir;       // the build tree the executable was built in
    QString sourceSamples;  // the samples folder of the source tree
    QString installedSamples;
    QString home;
};

QString PresetFolder(const SampleLocations& where);

// The locations of this build and this run.
SampleLocations CurrentSampleLocations();
