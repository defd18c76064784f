// How the user reads a series in the window: the unit in every place an activity is read, the levels
// dialog, the warning colour from the colour dialog, the running average, and the settings kept for the
// next run.

#include "tests/app/SeriesShownFixture.h"

#include "app/dialogs/LevelsDialog.h"
#include "app/dialogs/colors/ColorDialog.h"
#include "app/program/KeptReading.h"
#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "store/MeasurementReadout.h"
#include "store/ReferenceLevels.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"
#include "tests/support/PixelProbe.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

constexpr ActivityUnit Pci = ActivityUnit::PicocuriePerLitre;

} // namespace

class ReadingTest : public SeriesShownTest {
protected:
    QPoint middleOf(int k) {
        const TimeMap time = ViewTimeMap(graph().view(), series());
        return {time.middleX(series().elapsedTime[k - 1], series().elapsedTime[k]), 140};
    }
    // The pixels of measurement k's top, between its risers, on the row of its activity.
    QRect topOf(int k) {
        const TimeMap time = ViewTimeMap(graph().view(), series());
        const int y = ViewActivityMap(graph().view(), graph().screen().height()).y(series().activity[k]);
        return QRect(QPoint(time.x(series().elapsedTime[k - 1]) + 1, y),
                     QPoint(time.x(series().elapsedTime[k]) - 1, y));
    }
    void setLevels(std::vector<int64_t> levels) {
        ReadingSettings reading = form->document().reading();
        reading.levels = std::move(levels);
        form->document().setReading(reading);
    }
};

TEST_F(ReadingTest, PicocuriesReachThePanelTheTableTheReadoutAndTheAverage) {
    constexpr int k = 12;
    form->document().movePointer(k);
    const QString becquerels = MeasurementRowTexts(series(), k)[ColumnActivity];
    const QString picocuries = ActivityWithErrorTextIn(series().activity[k], Pci);
    InfoPanel& panel = *form->infoPanel;
    ASSERT_EQ(panel.activityLabel->text(), becquerels);
    answerRangeDialogWith(1);
    form->averageButton->click();
    const Extended average = *UnroundedSpanAverage(series(), 250, {1, 40});
    ASSERT_EQ(panel.averageLabel->text(), QString::number(Round(average)));
    form->tableButton->click();
    ASSERT_EQ(table().width(), 440);
    const QHeaderView* header = table().grid->horizontalHeader();
    // How far the last column reaches past the grid's right edge.
    const auto overhang = [&] {
        return header->sectionViewportPosition(ColumnExposure) + header->sectionSize(ColumnExposure) -
               table().grid->viewport()->width();
    };
    const int overhangInBecquerels = overhang();

    form->commands.unitPicocuries->trigger();

    EXPECT_EQ(panel.activityLabel->text(), picocuries);
    EXPECT_EQ(panel.activityCaption->text(), QStringLiteral("Активность, пКи/л"));
    EXPECT_FALSE(panel.activityExponent->isVisible());
    EXPECT_EQ(panel.averageUnitCaption->text(), QStringLiteral(" пКи/л"));
    // The average shown is written anew from the unrounded figure, not from its rounded Bq/m³.
    EXPECT_EQ(panel.averageLabel->text(), ActivityValueText(average, Pci));
    EXPECT_EQ(table().cell(ColumnActivity, k), picocuries);
    EXPECT_EQ(table().grid->model()->data(table().grid->model()->index(k - 1, ColumnActivity)).toString(),
              picocuries);
    EXPECT_EQ(table().cell(ColumnActivity, 0), QStringLiteral("Активность, пКи/л"));
    // Its wider title widens the column and the window with it: the exposure stays as much in sight.
    EXPECT_GE(header->sectionSize(ColumnActivity), header->sectionSizeHint(ColumnActivity));
    EXPECT_GT(table().width(), 440);
    EXPECT_LE(overhang(), overhangInBecquerels);
    QTest::mouseMove(form->graphWidget, middleOf(k));
    EXPECT_EQ(form->graphWidget->readout(), MeasurementReadout(series(), k, Pci));
    EXPECT_TRUE(form->graphWidget->readout().endsWith(picocuries + QStringLiteral(" пКи/л")));

    form->commands.unitBecquerels->trigger();

    EXPECT_EQ(panel.activityLabel->text(), becquerels);
    EXPECT_EQ(panel.activityCaption->text(), QStringLiteral("Активность, Бк/м  "));
    EXPECT_TRUE(panel.activityExponent->isVisible());
    EXPECT_EQ(panel.averageLabel->text(), QString::number(Round(average)));
    EXPECT_EQ(table().cell(ColumnActivity, 0), QStringLiteral("Активность"));
}

TEST_F(ReadingTest, TheSavedTableStaysInBecquerelsWhateverTheUnit) {
    form->commands.unitPicocuries->trigger();
    const QString target = dir.filePath(QStringLiteral("saved.txt"));
    tableDialogs->saveAnswers.push_back(target);
    answerRangeDialogWith(0);
    form->saveTableButton->click();

    std::vector<RowTexts> rows;
    for (int k = 10; k <= 30; ++k)
        rows.push_back(MeasurementRowTexts(series(), k));
    const TableHeader header{series().seriesTitle, 117, 250, series().equilibriumActivity};
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), TableFileBytes(header, TableTitles(), rows));
}

TEST_F(ReadingTest, TheLevelsDialogRefusesABadLineWithItsMessageAndTakesAList) {
    LevelsDialog* dialog = form->readingCommands().levelsDialog();
    const QString bad = QStringLiteral("100, сто");
    bool stayedOpen = false;
    QString message;
    QTimer::singleShot(0, dialog, [&] {
        QPushButton* ok = dialog->buttons->button(QDialogButtonBox::Ok);
        dialog->levelsField->setText(bad);
        ok->click();
        stayedOpen = dialog->isVisible();
        message = dialog->refusal->text();
        dialog->levelsField->setText(QStringLiteral("100, 200 300"));
        dialog->windowField->setValue(12);
        ok->click();
        if (dialog->isVisible())
            dialog->reject();
    });
    form->commands.referenceLevels->trigger();

    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(message, ParseReferenceLevels(bad).error);
    EXPECT_EQ(form->document().reading().levels, (std::vector<int64_t>{100, 200, 300}));
    EXPECT_EQ(form->document().reading().averageWindowHours, 12);
}

TEST_F(ReadingTest, TheWarningColourChosenInTheColourDialogColoursTheLineAboveTheHighestLevel) {
    constexpr int above = 12, below = 25;
    constexpr int64_t level = 4000;
    ASSERT_GT(series().activity[above], level);
    ASSERT_LT(series().activity[below], level);
    setLevels({level});
    const QColor warning(200, 0, 100);
    chooser->colorAnswers = {warning};
    ColorDialog* colours = form->colorDialog();
    colours->warningItem->click();
    colours->okButton->click();

    EXPECT_EQ(chooser->openedWith.at(0), QColor(ReadingSettings().warningColour));
    EXPECT_EQ(form->document().reading().warningColour, warning.name());
    EXPECT_TRUE(AllAre(graph().screen(), topOf(above), warning));
    EXPECT_TRUE(AllAre(graph().screen(), topOf(below), colours->scheme().graph));

    // "Цвета по умолчанию" takes it back with the six.
    colours->defaultColorsButton->click();
    EXPECT_EQ(form->document().reading().warningColour, ReadingSettings().warningColour);
    EXPECT_TRUE(AllAre(graph().screen(), topOf(above), QColor(ReadingSettings().warningColour)));
}

TEST_F(ReadingTest, TheRunningAverageIsDrawnOnDemand) {
    const QColor line = graph().marks().averageColor;
    const auto linePixels = [&] {
        const QImage& screen = graph().screen();
        int count = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                count += Is(screen, x, y, line);
        return count;
    };
    ASSERT_EQ(linePixels(), 0);
    form->commands.runningAverage->trigger();
    EXPECT_GT(linePixels(), 0);
    form->commands.runningAverage->trigger();
    EXPECT_EQ(linePixels(), 0);
}

TEST_F(ReadingTest, TheReadingIsKeptForTheNextRunInTheUsersConfigFolder) {
    EXPECT_EQ(form->document().reading(), ReadingSettings()) << "a first start reads as always";
    form->commands.unitPicocuries->trigger();
    form->commands.runningAverage->trigger();
    const std::unique_ptr<QSettings> kept = UserSettings();
    EXPECT_EQ(kept->fileName(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/radview/radview.conf"));
    EXPECT_EQ(kept->value(QStringLiteral("Reading/unit")).toString(), QStringLiteral("pCi/L"));

    startProgram();

    EXPECT_EQ(form->document().reading().unit, Pci);
    EXPECT_TRUE(form->document().reading().averageShown);
    EXPECT_TRUE(form->commands.unitPicocuries->isChecked());
    EXPECT_FALSE(form->commands.unitBecquerels->isChecked());
    EXPECT_TRUE(form->commands.runningAverage->isChecked());
    EXPECT_EQ(form->infoPanel->activityCaption->text(), QStringLiteral("Активность, пКи/л"));
}
