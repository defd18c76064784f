#include "tests/support/TestEnvironment.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

#include <ctime>

void PinTestEnvironment() {
    qputenv("TZ", "UTC");
    tzset();
    // Read by the application object's constructor when it sets up the C library's locale, and by the
    // program's choice of its language, which then is Russian, the texts' own, as are the programs the tests
    // start; LANGUAGE would not count beside C, and goes so that no child can read it otherwise.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
    PinNoPrintServer();
    PinSettingsFolder();
}

void PinSettingsFolder() {
    // One folder per test process, gone when it ends: what a test keeps never reaches the user's
    // ~/.config, nor another test. The programs a test starts find it through XDG_CONFIG_HOME.
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder.path());
}

void PinNoPrintServer() {
    qputenv("CUPS_SERVER", "/nonexistent/radview-tests/no-cups.sock");
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

void PinGuiPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
