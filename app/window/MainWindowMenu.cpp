// The main menu of the main window, with the access letters, separators and the print submenu.

#include "app/window/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

void Separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* Submenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* Heading(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    fileMenu = Heading(bar, "MenuFile", tr("&Файл"));
    fileMenu->addActions({commands.open, commands.deviceLink, commands.saveTable, commands.savePicture});
    Separator(fileMenu, "N2");
    printMenu = Submenu(fileMenu, "N15", tr("Печать"));
    printMenu->addActions({commands.printTable, commands.printGraph});
    commands.printSubmenu = printMenu->menuAction();
    fileMenu->addAction(commands.report);
    Separator(fileMenu, "N1");
    fileMenu->addAction(commands.exit);

    viewMenu = Heading(bar, "MenuView", tr("Просмотр"));
    viewMenu->addActions({commands.seriesList, commands.viewTable, commands.firstMeasurement,
                          commands.nextMeasurement, commands.previousMeasurement, commands.lastMeasurement,
                          commands.zoom, commands.wholeView, commands.average, commands.runningAverage});

    settingsMenu = Heading(bar, "MenuSettings", tr("&Настройка"));
    settingsMenu->addActions({commands.printerSetup, commands.colors});
    QMenu* unitsMenu = Submenu(settingsMenu, "MenuUnits", tr("Единицы"));
    unitsMenu->addActions({commands.unitBecquerels, commands.unitPicocuries});
    commands.unitsSubmenu = unitsMenu->menuAction();
    settingsMenu->addAction(commands.referenceLevels);

    bar->addAction(commands.help);
}
