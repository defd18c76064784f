#pragma once

#include <QString>
#include <QStringList>

// The variables the C library reads for the language of messages, as they stand in the environment.
struct LanguageEnvironment {
    QString language;   // LANGUAGE: a colon-separated priority list ("de:en:ru")
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};

LanguageEnvironment ProcessLanguageEnvironment();

// The program's own language, in which every text is written: what it speaks without a translation.
extern const char* const SourceLanguage; // "ru"

// The interface language as gettext would pick a catalogue: the messages locale is LC_ALL, else
// LC_MESSAGES, else LANG (an empty variable counts as unset); while it is not C or POSIX, LANGUAGE's list
// comes before it. The answer is the first language of that order which is the source language or one of
// translated ("en"); the source language when none is, or when the locale is C or POSIX.
QString ChooseLanguage(const LanguageEnvironment& environment, const QStringList& translated);
