#pragma once

#include <QString>
#include <QStringList>

// The languages the program has a catalogue of besides its own Russian ("en"): the catalogues built from
// translations/radview_*.ts into the program.
QStringList TranslatedLanguages();

// Installs the program's catalogue for language (none for Russian, the texts' own language) and Qt's own
// for its dialogs and buttons (none for English, Qt's own language), in place of those installed before.
// Needs the application object. Answers whether every catalogue wanted was found; the texts without one
// stay as they are written.
bool InstallTranslations(const QString& language);

// The language the user's environment chooses (see ChooseLanguage), installed; answers it.
QString InstallUserLanguage();
