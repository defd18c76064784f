#include "app/commands/MainCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>

namespace {

struct CommandText {
    QAction* MainCommands::*member;
    const char* name; // the menu item's, or the button's where the command has no menu item
    const char* caption;
    const char* hint; // the toolbar button's, or nullptr without a button
};

const CommandText kCommands[] = {
    {&MainCommands::open, "MenuOpen", QT_TRANSLATE_NOOP("MainCommands", "&Открыть"),
     QT_TRANSLATE_NOOP("MainCommands", "Открыть файл ...")},
    {&MainCommands::deviceLink, "MenuDevice", QT_TRANSLATE_NOOP("MainCommands", "Связь с прибором"),
     QT_TRANSLATE_NOOP("MainCommands", "Связь с прибором")},
    {&MainCommands::saveTable, "CreateTextfile1", QT_TRANSLATE_NOOP("MainCommands", "Сохранить таблицу"),
     QT_TRANSLATE_NOOP("MainCommands", "Сохранить таблицу")},
    {&MainCommands::savePicture, "SaveGraphPicture", QT_TRANSLATE_NOOP("MainCommands", "Сохранить рисунок…"),
     nullptr},
    {&MainCommands::printTable, "N16", QT_TRANSLATE_NOOP("MainCommands", "Таблица"),
     QT_TRANSLATE_NOOP("MainCommands", "Печать таблицы")},
    {&MainCommands::printGraph, "N17", QT_TRANSLATE_NOOP("MainCommands", "График"),
     QT_TRANSLATE_NOOP("MainCommands", "Печать графика")},
    {&MainCommands::report, "MenuReport", QT_TRANSLATE_NOOP("MainCommands", "Отчёт PDF…"), nullptr},
    {&MainCommands::exit, "MenuExit", QT_TRANSLATE_NOOP("MainCommands", "&Выход"), nullptr},
    {&MainCommands::seriesList, "MenuSer", QT_TRANSLATE_NOOP("MainCommands", "Серия"),
     QT_TRANSLATE_NOOP("MainCommands", "Показать все серии")},
    {&MainCommands::viewTable, "N14", QT_TRANSLATE_NOOP("MainCommands", "Таблица"),
     QT_TRANSLATE_NOOP("MainCommands", "Таблица измерений")},
    {&MainCommands::firstMeasurement, "N6", QT_TRANSLATE_NOOP("MainCommands", "Первое измерение"),
     QT_TRANSLATE_NOOP("MainCommands", "Первое измерение")},
    {&MainCommands::nextMeasurement, "N7", QT_TRANSLATE_NOOP("MainCommands", "След.измерение"),
     QT_TRANSLATE_NOOP("MainCommands", "Вперед")},
    {&MainCommands::previousMeasurement, "N8", QT_TRANSLATE_NOOP("MainCommands", "Предыдущ.измерение"),
     QT_TRANSLATE_NOOP("MainCommands", "Назад")},
    {&MainCommands::lastMeasurement, "N9", QT_TRANSLATE_NOOP("MainCommands", "Последнее измерение"),
     QT_TRANSLATE_NOOP("MainCommands", "Последнее измерение")},
    {&MainCommands::zoom, "N10", QT_TRANSLATE_NOOP("MainCommands", "Увеличение"),
     QT_TRANSLATE_NOOP("MainCommands", "Увеличение")},
    {&MainCommands::wholeView, "N11", QT_TRANSLATE_NOOP("MainCommands", "Первоначальный вид"),
     QT_TRANSLATE_NOOP("MainCommands", "Первоначальный вид")},
    {&MainCommands::average, "N12", QT_TRANSLATE_NOOP("MainCommands", "Усреднение"),
     QT_TRANSLATE_NOOP("MainCommands", "Усреднение")},
    {&MainCommands::grid, "Grid", QT_TRANSLATE_NOOP("MainCommands", "Сетка"),
     QT_TRANSLATE_NOOP("MainCommands", "Сетка")},
    {&MainCommands::printerSetup, "N3", QT_TRANSLATE_NOOP("MainCommands", "&Принтера"),
     QT_TRANSLATE_NOOP("MainCommands", "Настройка принтера")},
    {&MainCommands::colors, "N4", QT_TRANSLATE_NOOP("MainCommands", "Палитры"),
     QT_TRANSLATE_NOOP("MainCommands", "Настройка цветов")},
    {&MainCommands::help, "MenuHelp", QT_TRANSLATE_NOOP("MainCommands", "&Помощь"),
     QT_TRANSLATE_NOOP("MainCommands", "Помощь")},
    {&MainCommands::unitBecquerels, "UnitBq", QT_TRANSLATE_NOOP("MainCommands", "Бк/м³"), nullptr},
    {&MainCommands::unitPicocuries, "UnitPCi", QT_TRANSLATE_NOOP("MainCommands", "пКи/л"), nullptr},
    {&MainCommands::referenceLevels, "MenuLevels", QT_TRANSLATE_NOOP("MainCommands", "Опорные уровни…"),
     nullptr},
    {&MainCommands::runningAverage, "MenuRunningAverage",
     QT_TRANSLATE_NOOP("MainCommands", "Скользящее среднее"), nullptr},
};

QString Translated(const char* text) {
    return QCoreApplication::translate("MainCommands", text);
}

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
        auto* action = new QAction(Translated(text.caption), parent);
        action->setObjectName(QString::fromLatin1(text.name));
        if (text.hint)
            action->setToolTip(Translated(text.hint));
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
