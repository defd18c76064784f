#include "app/program/Translations.h"

#include "app/program/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Where the build puts the compiled catalogues, radview_<language>.qm, among the program's resources.
const char* const kCatalogueFolder = ":/i18n";
const char* const kCataloguePrefix = "radview_";
// The translators this code installed carry this name, so that another language replaces them.
const char* const kTranslatorName = "radview-translator";

bool InstallCatalogue(QCoreApplication* app, const QString& name, const QString& folder) {
    // The translator lives as long as the application that uses it.
    auto* translator = new QTranslator(app);
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList TranslatedLanguages() {
    const QString prefix = QLatin1String(kCataloguePrefix);
    QStringList languages;
    for (const QString& file :
         QDir(QLatin1String(kCatalogueFolder)).entryList({prefix + QLatin1String("*.qm")}))
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

bool InstallTranslations(const QString& language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    // Deleting a translator takes it out of the application's list.
    qDeleteAll(app->findChildren<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly));
    bool found = true;
    if (language != QLatin1String(SourceLanguage))
        found = InstallCatalogue(app, QLatin1String(kCataloguePrefix) + language,
                                 QLatin1String(kCatalogueFolder));
    // Qt's own texts are English: every other language takes them from Qt's catalogue for it.
    if (language != QLatin1String("en"))
        found = InstallCatalogue(app, QStringLiteral("qtbase_") + language,
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                found;
    return found;
}

QString InstallUserLanguage() {
    const QString language = ChooseLanguage(ProcessLanguageEnvironment(), TranslatedLanguages());
    InstallTranslations(language);
    return language;
}
