#include "app/commands/MainCommands.h"

#include <QAction>
#include <QActionGroup>

namespace {

struct CommandText {
    QAction* MainCommands::*member;
    const char* name; // the menu item's, or the button's where the command has no menu item
    const char* caption;
    const char* hint; // the toolbar button's, or nullptr without a button
};

const CommandText kCommands[] = {
    {&MainCommands::open, "MenuOpen", "&Открыть", "Открыть файл ..."},
    {&MainCommands::deviceLink, "MenuDevice", "Связь с прибором", "Связь с прибором"},
    {&MainCommands::saveTable, "CreateTextfile1", "Сохранить таблицу", "Сохранить таблицу"},
    {&MainCommands::savePicture, "SaveGraphPicture", "Сохранить рисунок…", nullptr},
    {&MainCommands::printTable, "N16", "Таблица", "Печать таблицы"},
    {&MainCommands::printGraph, "N17", "График", "Печать графика"},
    {&MainCommands::report, "MenuReport", "Отчёт PDF…", nullptr},
    {&MainCommands::exit, "MenuExit", "&Выход", nullptr},
    {&MainCommands::seriesList, "MenuSer", "Серия", "Показать все серии"},
    {&MainCommands::viewTable, "N14", "Таблица", "Таблица измерений"},
    {&MainCommands::firstMeasurement, "N6", "Первое измерение", "Первое измерение"},
    {&MainCommands::nextMeasurement, "N7", "След.измерение", "Вперед"},
    {&MainCommands::previousMeasurement, "N8", "Предыдущ.измерение", "Назад"},
    {&MainCommands::lastMeasurement, "N9", "Последнее измерение", "Последнее измерение"},
    {&MainCommands::zoom, "N10", "Увеличение", "Увеличение"},
    {&MainCommands::wholeView, "N11", "Первоначальный вид", "Первоначальный вид"},
    {&MainCommands::average, "N12", "Усреднение", "Усреднение"},
    {&MainCommands::grid, "Grid", "Сетка", "Сетка"},
    {&MainCommands::printerSetup, "N3", "&Принтера", "Настройка принтера"},
    {&MainCommands::colors, "N4", "Палитры", "Настройка цветов"},
    {&MainCommands::help, "MenuHelp", "&Помощь", "Помощь"},
    {&MainCommands::unitBecquerels, "UnitBq", "Бк/м³", nullptr},
    {&MainCommands::unitPicocuries, "UnitPCi", "пКи/л", nullptr},
    {&MainCommands::referenceLevels, "MenuLevels", "Опорные уровни…", nullptr},
    {&MainCommands::runningAverage, "MenuRunningAverage", "Скользящее среднее", nullptr},
};

// The desktop's usual key for a command, beside the window's own keys; it works from every window of the
// program, the series list and the table included.
void GiveKey(QAction* action, const QKeySequence& key) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
}

} // namespace

MainCommands MakeMainCommands(QObject* parent) {
    MainCommands commands{};
    for (const CommandText& text : kCommands) {
        auto* action = new QAction(QString::fromUtf8(text.caption), parent);
        action->setObjectName(QString::fromLatin1(text.name));
        if (text.hint)
            action->setToolTip(QString::fromUtf8(text.hint));
        commands.*text.member = action;
    }
    commands.grid->setCheckable(true);
    auto* units = new QActionGroup(parent);
    for (QAction* unit : {commands.unitBecquerels, commands.unitPicocuries}) {
        unit->setCheckable(true);
        units->addAction(unit);
    }
    commands.unitBecquerels->setChecked(true);
    commands.runningAverage->setCheckable(true);
    GiveKey(commands.open, QKeySequence(Qt::CTRL | Qt::Key_O));
    GiveKey(commands.help, QKeySequence(Qt::Key_F1));
    GiveKey(commands.exit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    return commands;
}

void ShowCommandStates(const MainCommands& commands, DocumentStage stage, bool severalSeries) {
    const bool series = stage == DocumentStage::SeriesShown;
    for (const CommandText& text : kCommands)
        (commands.*text.member)->setEnabled(series);
    for (QAction* always : {commands.open, commands.deviceLink, commands.exit, commands.help})
        always->setEnabled(true);
    for (QAction* submenu : {commands.printSubmenu, commands.unitsSubmenu})
        if (submenu)
            submenu->setEnabled(series);
    commands.seriesList->setEnabled(stage == DocumentStage::ChoosingSeries || (series && severalSeries));
}
