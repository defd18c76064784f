#pragma once

#include "app/commands/CommandParts.h"

#include <QCoreApplication>
#include <QObject>

class MeasurementDocument;
class QAction;
class MainWindow;
class QKeyEvent;
class ReportCommand;
class SpanPanel;

// The span the user dragged out on the graph: its panel of figures, which follows the span and the unit
// live, and its commands, one action each: the report on it, its rows as CSV, its figures for a
// spreadsheet, and Escape, which clears it. The panel appears with a span and goes with it; while none is
// marked the main window is exactly as it was.
class SpanCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(SpanCommands)

public:
    SpanCommands(const CommandParts& parts, MeasurementDocument& document, ReportCommand& report,
                 MainWindow& window);

    QAction* report;    // "Отчёт по выделенному"
    QAction* csv;       // "CSV выделенного"
    QAction* copy;      // "Копировать", Ctrl+C in the main window
    QAction* clearSpan; // Escape in the main window

    SpanPanel* panel() const { return panel_; }

private:
    void followSpan();
    void saveCsv();
    void copyFigures();
    // Ctrl+C and Escape pressed in the main window.
    void takeKey(QKeyEvent* event);

    CommandParts parts_;
    MeasurementDocument& document_;
    MainWindow& window_;
    SpanPanel* panel_;
    bool placed_ = false; // the panel goes beside the graph when first shown, then stays where it was put
};
