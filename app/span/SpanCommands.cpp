#include "app/span/SpanCommands.h"

#include "app/commands/ReportCommand.h"
#include "app/commands/TableCommands.h"
#include "app/dialogs/UserDialogs.h"
#include "app/document/MeasurementDocument.h"
#include "app/span/SpanFigureTexts.h"
#include "app/span/SpanPanel.h"
#include "app/window/MainWindow.h"
#include "table/CsvTable.h"
#include "table/TableFile.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

// The keys are not window shortcuts: Qt keeps a window's shortcuts working while one of its tool windows
// is active, and the table and the series list are such windows, with Escape and Ctrl+C of their own. The
// keys are taken where the main window sees its own keys instead; the context only keeps Qt from firing
// them anywhere else.
QAction* Command(const QString& text, QObject* parent, const QKeySequence& key = QKeySequence()) {
    auto* action = new QAction(text, parent);
    action->setEnabled(false);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

} // namespace

SpanCommands::SpanCommands(const CommandParts& parts, MeasurementDocument& document,
                           ReportCommand& reportCommand, MainWindow& window)
    : QObject(&window), parts_(parts), document_(document), window_(window) {
    report = Command(tr("Отчёт по выделенному"), this);
    csv = Command(tr("CSV выделенного"), this);
    copy = Command(tr("Копировать"), this, QKeySequence::Copy);
    copy->setToolTip(tr("Показатели участка для электронной таблицы (Ctrl+C)"));
    clearSpan = Command(tr("Снять выделение"), this, QKeySequence(Qt::Key_Escape));
    panel_ = new SpanPanel({report, csv, copy}, &window);
    connect(&window, &MainWindow::keyPressed, this, &SpanCommands::takeKey);

    connect(report, &QAction::triggered, this, [this, &reportCommand] {
        if (const std::optional<MeasurementSpan>& span = document_.span())
            reportCommand.makeReportFor(*span);
    });
    connect(csv, &QAction::triggered, this, &SpanCommands::saveCsv);
    connect(copy, &QAction::triggered, this, &SpanCommands::copyFigures);
    connect(clearSpan, &QAction::triggered, &document_, &MeasurementDocument::clearSpan);
    connect(&document_, &MeasurementDocument::spanChanged, this, &SpanCommands::followSpan);
    connect(&document_, &MeasurementDocument::readingChanged, this, &SpanCommands::followSpan);
}

void SpanCommands::takeKey(QKeyEvent* event) {
    const QKeySequence key(event->keyCombination());
    for (QAction* command : {copy, clearSpan}) {
        if (command->isEnabled() && key == command->shortcut()) {
            command->trigger();
            event->accept();
            return;
        }
    }
}

void SpanCommands::followSpan() {
    const std::optional<MeasurementSpan>& span = document_.span();
    for (QAction* command : {report, csv, copy, clearSpan})
        command->setEnabled(span.has_value());
    if (!span) {
        panel_->hide();
        return;
    }
    const ReadingSettings& reading = document_.reading();
    const SelectedSeries& series = document_.series();
    const uint16_t sensitivity = document_.file().sensitivity;
    const SpanFigures figures = ComputeSpanFigures(series, sensitivity, *span, StatedLevels(reading.levels));
    const UnroundedFigures unrounded = reading.unit == ActivityUnit::PicocuriePerLitre
                                           ? ComputeUnroundedFigures(series, sensitivity, *span)
                                           : UnroundedFigures{};
    panel_->showRows(SpanFigureRows(figures, unrounded, *span, reading.unit));
    if (panel_->isVisible())
        return;
    if (!placed_) {
        const QScreen* screen = window_.screen();
        const QRect graph(parts_.graphArea.mapToGlobal(QPoint(0, 0)), parts_.graphArea.size());
        panel_->placeBeside(window_.frameGeometry(), graph,
                            screen ? screen->availableGeometry() : window_.frameGeometry());
        placed_ = true;
    }
    panel_->show();
}

// The span's rows as the CSV of "Сохранить таблицу" writes them, to a file chosen in the save dialog.
void SpanCommands::saveCsv() {
    const std::optional<MeasurementSpan> span = document_.span();
    if (!span)
        return;
    // The table's proposed name, "….txt", with the CSV's extension.
    QString proposed = ProposedTableFileName(document_.file().dataFileName);
    proposed.chop(3);
    const SaveDialogRequest request{QStringLiteral("csv"), QString::fromUtf8(CsvFileFilter),
                                    proposed + QStringLiteral("csv"), true};
    const std::optional<QString> path = parts_.dialogs.saveFile(&parts_.window, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    parts_.graphArea.update();
    if (!path)
        return;
    if (const Outcome written = WriteTableFile(*path, SpanCsv(document_.series(), *span)); !written.ok())
        parts_.dialogs.errorBox(&parts_.window, written.message());
}

void SpanCommands::copyFigures() {
    if (document_.span())
        QGuiApplication::clipboard()->setText(SpanFiguresClipboardText(panel_->rows()));
}
