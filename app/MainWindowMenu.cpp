// The main menu of the main window, with the access letters, separators and the print submenu.

#include "app/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption, bool enabled = true) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The desktop's usual key for a command, beside the window's own keys; it works from every window of the
// program, the series list and the table included.
void GiveKey(QAction* action, const QKeySequence& key) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
}

QMenu* Heading(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    fileMenu = Heading(bar, "MenuFile", "&Файл");
    openAction = Item(fileMenu, "MenuOpen", "&Открыть");
    deviceLinkAction = Item(fileMenu, "MenuDevice", "Связь с прибором");
    saveTableAction = Item(fileMenu, "CreateTextfile1", "Сохранить таблицу", false);
    savePictureAction = Item(fileMenu, "SaveGraphPicture", "Сохранить рисунок…", false);
    printSeparator = Separator(fileMenu, "N2");
    printMenu = fileMenu->addMenu(QStringLiteral("Печать"));
    printMenu->setObjectName(QStringLiteral("N15"));
    printMenu->menuAction()->setObjectName(QStringLiteral("N15"));
    printMenu->menuAction()->setEnabled(false);
    printTableAction = Item(printMenu, "N16", "Таблица", false);
    printGraphAction = Item(printMenu, "N17", "График", false);
    reportAction = Item(fileMenu, "MenuReport", "Отчёт PDF…", false);
    exitSeparator = Separator(fileMenu, "N1");
    exitAction = Item(fileMenu, "MenuExit", "&Выход");

    viewMenu = Heading(bar, "MenuView", "Просмотр");
    seriesListAction = Item(viewMenu, "MenuSer", "Серия", false);
    viewTableAction = Item(viewMenu, "N14", "Таблица", false);
    firstMeasurementAction = Item(viewMenu, "N6", "Первое измерение", false);
    nextMeasurementAction = Item(viewMenu, "N7", "След.измерение", false);
    previousMeasurementAction = Item(viewMenu, "N8", "Предыдущ.измерение", false);
    lastMeasurementAction = Item(viewMenu, "N9", "Последнее измерение", false);
    zoomAction = Item(viewMenu, "N10", "Увеличение", false);
    wholeViewAction = Item(viewMenu, "N11", "Первоначальный вид", false);
    averageAction = Item(viewMenu, "N12", "Усреднение", false);

    settingsMenu = Heading(bar, "MenuSettings", "&Настройка");
    printerSetupAction = Item(settingsMenu, "N3", "&Принтера", false);
    colorsAction = Item(settingsMenu, "N4", "Палитры", false);

    helpAction = bar->addAction(QStringLiteral("&Помощь"));
    helpAction->setObjectName(QStringLiteral("MenuHelp"));

    GiveKey(openAction, QKeySequence(Qt::CTRL | Qt::Key_O));
    GiveKey(helpAction, QKeySequence(Qt::Key_F1));
    GiveKey(exitAction, QKeySequence(Qt::CTRL | Qt::Key_Q));
}
