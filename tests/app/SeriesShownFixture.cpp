#include "tests/app/SeriesShownFixture.h"

#include "app/window/GraphWidget.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateTime>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void SeriesShownTest::SetUp() {
    GuiTest::SetUp();
    std::vector<int> seconds;
    for (int k = 1; k <= 40; ++k)
        seconds.push_back(600 + 37 * k);
    const QDateTime start(QDate(2025, 1, 5), QTime(6, 0), Qt::UTC);
    path = writeFile(QStringLiteral("test.rad"),
                     InstrumentFileBuilder::IntervalSeries(117, 250, start, seconds));
    openThroughDialog(path);
    ASSERT_EQ(series().measurementCount, 40);
    zoomTo(10, 30);
}

void SeriesShownTest::zoomTo(int first, int last) {
    form->document().showRange(first, last);
}

void SeriesShownTest::answerRangeDialog(std::function<void(RangeDialog&)> act) {
    RangeDialog* dialog = form->rangeDialog();
    QTimer::singleShot(0, dialog, [dialog, act] {
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

void SeriesShownTest::answerRangeDialogWith(int item) {
    answerRangeDialog([item](RangeDialog& dialog) {
        dialog.rangeChoices->button(item)->click();
        dialog.okButton->click();
    });
}

void SeriesShownTest::clickRow(int k) {
    QTableView* grid = table().grid;
    const QModelIndex cell = grid->model()->index(k - 1, 1);
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
}
