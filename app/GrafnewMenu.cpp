// The main menu of the main window, with the access letters, separators and the print submenu.

#include "app/Grafnew.h"

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

QMenu* Heading(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    MenuFile = Heading(bar, "MenuFile", "&Файл");
    MenuOpen = Item(MenuFile, "MenuOpen", "&Открыть");
    MenuDevice = Item(MenuFile, "MenuDevice", "Связь с прибором");
    CreateTextfile1 = Item(MenuFile, "CreateTextfile1", "Сохранить таблицу", false);
    N2 = Separator(MenuFile, "N2");
    N15 = MenuFile->addMenu(QStringLiteral("Печать"));
    N15->setObjectName(QStringLiteral("N15"));
    N15->menuAction()->setObjectName(QStringLiteral("N15"));
    N15->menuAction()->setEnabled(false);
    N16 = Item(N15, "N16", "Таблица", false);
    N17 = Item(N15, "N17", "График", false);
    N1 = Separator(MenuFile, "N1");
    MenuExit = Item(MenuFile, "MenuExit", "&Выход");

    MenuView = Heading(bar, "MenuView", "Просмотр");
    MenuSer = Item(MenuView, "MenuSer", "Серия", false);
    N14 = Item(MenuView, "N14", "Таблица", false);
    N6 = Item(MenuView, "N6", "Первое измерение", false);
    N7 = Item(MenuView, "N7", "След.измерение", false);
    N8 = Item(MenuView, "N8", "Предыдущ.измерение", false);
    N9 = Item(MenuView, "N9", "Последнее измерение", false);
    N10 = Item(MenuView, "N10", "Увеличение", false);
    N11 = Item(MenuView, "N11", "Первоначальный вид", false);
    N12 = Item(MenuView, "N12", "Усреднение", false);

    MenuSettings = Heading(bar, "MenuSettings", "&Настройка");
    N3 = Item(MenuSettings, "N3", "&Принтера", false);
    N4 = Item(MenuSettings, "N4", "Палитры", false);

    MenuHelp = bar->addAction(QStringLiteral("&Помощь"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
}
