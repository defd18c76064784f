#include "app/program/LanguageChoice.h"

#include <QtGlobal>

const char* const SourceLanguage = "ru";

namespace {

// The language of a locale name, language[_territory][.codeset][@modifier]: "en_GB.UTF-8" is "en".
QString LanguageOf(const QString& locale) {
    qsizetype end = 0;
    while (end < locale.size() && locale[end] != QLatin1Char('_') && locale[end] != QLatin1Char('.') &&
           locale[end] != QLatin1Char('@'))
        ++end;
    return locale.left(end).toLower();
}

// "C", "C.UTF-8" and "POSIX" keep a program's own texts, and LANGUAGE does not count beside them.
bool IsPlainLocale(const QString& locale) {
    const QString language = LanguageOf(locale);
    return language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix");
}

} // namespace

LanguageEnvironment ProcessLanguageEnvironment() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

QString ChooseLanguage(const LanguageEnvironment& environment, const QStringList& translated) {
    const QString source = QString::fromLatin1(SourceLanguage);
    QString messagesLocale = environment.lcAll;
    if (messagesLocale.isEmpty())
        messagesLocale = environment.lcMessages;
    if (messagesLocale.isEmpty())
        messagesLocale = environment.lang;
    if (IsPlainLocale(messagesLocale))
        return source;
    // With LANGUAGE set, gettext looks no further than its list, as far as "C" in it.
    const QStringList wanted = environment.language.isEmpty()
                                   ? QStringList{messagesLocale}
                                   : environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& locale : wanted) {
        if (IsPlainLocale(locale))
            return source;
        const QString language = LanguageOf(locale);
        if (language == source || translated.contains(language))
            return language;
    }
    return source;
}
