#include "tests/app/WindowSnapshot.h"

#include "tests/app/GuiFixture.h"

#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "app/window/SeriesListWindow.h"
#include "app/window/StatusPanels.h"

#include <QLabel>
#include <QTreeWidget>

bool WindowSnapshot::operator==(const WindowSnapshot& other) const {
    return panel0 == other.panel0 && panel1 == other.panel1 && enabledCommands == other.enabledCommands &&
           valueTexts == other.valueTexts && noSeriesChosen == other.noSeriesChosen &&
           seriesListShown == other.seriesListShown && seriesListRows == other.seriesListRows &&
           graph == other.graph;
}

WindowSnapshot TakeSnapshot(MainWindow& form) {
    WindowSnapshot snapshot;
    snapshot.panel0 = form.statusPanels->panelText(0);
    snapshot.panel1 = form.statusPanels->panelText(1);
    for (const QObject* command : CommandObjects(form))
        if (command->property("enabled").toBool())
            snapshot.enabledCommands << command->objectName();
    const InfoPanel& panel = *form.infoPanel;
    for (const QLabel* label :
         {panel.measurementCountLabel, panel.measurementNumberLabel, panel.exposureLabel,
          panel.startTimeLabel, panel.endTimeLabel, panel.activityLabel, panel.averageLabel,
          panel.averageFromLabel, panel.averageToLabel, panel.instrumentNumberLabel, panel.sensitivityLabel})
        snapshot.valueTexts << label->text();
    snapshot.noSeriesChosen = form.document().noSeriesChosen();
    SeriesListWindow* list = form.seriesListWindow();
    snapshot.seriesListShown = list->isVisible();
    for (int row = 0; row < list->list->topLevelItemCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < list->list->columnCount(); ++column)
            texts << list->list->topLevelItem(row)->text(column);
        snapshot.seriesListRows << texts.join(QStringLiteral(" | "));
    }
    snapshot.graph = form.graphWidget->grab().toImage();
    return snapshot;
}

void PrintTo(const WindowSnapshot& snapshot, std::ostream* out) {
    QStringList commands(snapshot.enabledCommands.begin(), snapshot.enabledCommands.end());
    commands.sort();
    *out << "panels [" << snapshot.panel0.toStdString() << "] [" << snapshot.panel1.toStdString()
         << "], commands {" << commands.join(' ').toStdString() << "}, values ["
         << snapshot.valueTexts.join(QStringLiteral("; ")).toStdString() << "], "
         << (snapshot.noSeriesChosen ? "no series chosen" : "series chosen or start") << ", series list "
         << (snapshot.seriesListShown ? "shown" : "hidden") << " ["
         << snapshot.seriesListRows.join(QStringLiteral("; ")).toStdString() << "], graph "
         << snapshot.graph.width() << "x" << snapshot.graph.height();
}
