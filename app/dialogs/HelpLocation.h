#pragma once

#include <QString>

// Where the help file is looked for: beside the executable, where the build tree copies it, else in the
// installation's data folder (<prefix>/share/radview), since /usr/bin holds programs only.
struct HelpLocations {
    QString applicationDir; // the folder of the running executable
    QString dataDir;        // the installation's data folder, as seen from applicationDir
};

// The folder that holds fileName; the data folder when neither does, so that a missing help file is
// reported where an installation keeps it.
QString HelpFolder(const HelpLocations& where, const QString& fileName);

// The help page of the user's language: the translated file name where such a page is installed, else the
// Russian page, which every installation has.
struct HelpFile {
    QString folder;
    QString name;
};
HelpFile ChooseHelpFile(const HelpLocations& where, const QString& name);

// The help page's file name in the language installed: help.hlp, or the translation's own page.
QString TranslatedHelpFileName();

// The locations of this build and this run.
HelpLocations CurrentHelpLocations();
