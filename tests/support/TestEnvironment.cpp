#include "tests/support/TestEnvironment.h"

#include <QLocale>
#include <QStandardPaths>
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
