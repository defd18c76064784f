// Marking rows of the measurement table and copying them for a spreadsheet, through the table window of a
// running program.

#include "tests/app/SeriesShownFixture.h"

#include "app/window/InfoPanel.h"
#include "table/CsvTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdlib>

namespace {

const QString NothingCopied = QStringLiteral("nothing copied");

class CopyRowsTest : public SeriesShownTest {
protected:
    void SetUp() override {
        SeriesShownTest::SetUp();
        form->tableButton->click();
        ASSERT_TRUE(table().isVisible());
        QGuiApplication::clipboard()->setText(NothingCopied);
    }

    QTableView* grid() { return table().grid; }
    void shiftClickRow(int k) {
        const QModelIndex cell = grid()->model()->index(k - 1, 1);
        grid()->scrollTo(cell);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          grid()->visualRect(cell).center());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(grid(), key, modifiers);
    }
    void copyWithKeys() { press(Qt::Key_C, Qt::ControlModifier); }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    QString rowsText(int first, int last) {
        return SpanClipboardText(series(), {first, last}, QLatin1Char(','));
    }
};

TEST_F(CopyRowsTest, CtrlAMarksEveryRowAndCtrlCCopiesThemWithAHeader) {
    clickRow(12);
    press(Qt::Key_A, Qt::ControlModifier);
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(1, 40));
    // A paste gives a header row and one row per measurement, one cell per value.
    const QStringList lines = clipboard().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 41);
    const SpanRowFields names = SpanColumnNames();
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')), QStringList(names.begin(), names.end()));
    for (const QString& line : lines)
        EXPECT_EQ(line.split(QLatin1Char('\t')).size(), SpanColumnCount) << line.toStdString();
    EXPECT_TRUE(lines[12].startsWith(QStringLiteral("12\t2025-01-05T")));
    // A Russian spreadsheet takes the pCi/L figure as a number only with a decimal comma.
    EXPECT_TRUE(lines[12].split(QLatin1Char('\t')).last().contains(QRegularExpression("^\\d+,\\d\\d$")))
        << lines[12].toStdString();
    // Marking moved neither the current row nor the pointer.
    EXPECT_EQ(table().currentRow(), 12);
    EXPECT_EQ(graph().view().pointerIndex, 12);
}

TEST_F(CopyRowsTest, AShiftClickMarksFromTheCurrentRowWhichFollowsTheClick) {
    clickRow(12);
    shiftClickRow(15);
    EXPECT_EQ(table().currentRow(), 15);
    EXPECT_EQ(graph().view().pointerIndex, 15);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("15"));
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(12, 15));

    // Beyond the graph's view the row stays refused as ever, while the marking reaches it.
    shiftClickRow(35);
    EXPECT_EQ(table().currentRow(), 15);
    EXPECT_EQ(graph().view().pointerIndex, 15) << "a refused row leaves the pointer with its line";
    EXPECT_EQ(panel(1), QStringLiteral("Это последнее измерение в области видимости "));
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(12, 35));

    // Back above the anchor the span turns round it.
    shiftClickRow(10);
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(10, 12));
}

TEST_F(CopyRowsTest, ShiftWithTheArrowsMarksRowByRow) {
    clickRow(20);
    press(Qt::Key_Down, Qt::ShiftModifier, 3);
    EXPECT_EQ(table().currentRow(), 23);
    EXPECT_EQ(graph().view().pointerIndex, 23);
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(20, 23));
    press(Qt::Key_Up, Qt::ShiftModifier, 5);
    EXPECT_EQ(table().currentRow(), 18);
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(18, 20));
    // To the first row of the table, which lies before the view: the marking gets there, the row does not.
    press(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(table().currentRow(), 18);
    EXPECT_EQ(panel(1), QStringLiteral("Это первое измерение в области видимости "));
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(1, 20));
}

TEST_F(CopyRowsTest, WithNothingMarkedTheCopyTakesTheCurrentRow) {
    press(Qt::Key_A, Qt::ControlModifier);
    clickRow(14); // a plain click unmarks
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(14, 14));
    shiftClickRow(16);
    press(Qt::Key_Down, Qt::NoModifier); // so does a plain moving key
    EXPECT_EQ(table().currentRow(), 17);
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(17, 17));
}

TEST_F(CopyRowsTest, TheCurrentRowFollowsThePointerWhileTheMarkedRowsStay) {
    clickRow(12);
    shiftClickRow(15);
    form->nextMeasurementButton->click();
    form->nextMeasurementButton->click();
    EXPECT_EQ(table().currentRow(), 17);
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(12, 15));
}

TEST_F(CopyRowsTest, TheContextMenuCopies) {
    clickRow(12);
    shiftClickRow(13);
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            offered << action->text();
        menu->actions().constFirst()->trigger();
        menu->close();
    });
    const QPoint at = grid()->visualRect(grid()->model()->index(12, 1)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid()->viewport(), &event);
    EXPECT_EQ(offered, QStringList{QStringLiteral("Копировать")});
    EXPECT_EQ(clipboard(), rowsText(12, 13));
    EXPECT_EQ(table().currentRow(), 13);
}

TEST_F(CopyRowsTest, TheRightButtonLeavesTheRowsForItsMenu) {
    clickRow(12);
    shiftClickRow(14);
    const QModelIndex cell = grid()->model()->index(19, 1);
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, grid()->visualRect(cell).center());
    EXPECT_EQ(table().currentRow(), 14);
    EXPECT_EQ(graph().view().pointerIndex, 14);
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(12, 14));
}

TEST_F(CopyRowsTest, MarkedRowsAreTintedApartFromTheCurrentCell) {
    clickRow(12);
    shiftClickRow(14);
    QApplication::processEvents();
    const QImage shown = grid()->viewport()->grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    // Inside a cell, right of its text.
    auto colourIn = [&](int k, int column) {
        const QRect cell = grid()->visualRect(grid()->model()->index(k - 1, column));
        return shown.pixelColor(QPoint(cell.right() - 3, cell.center().y()) * ratio);
    };
    const QPalette palette = grid()->palette();
    EXPECT_EQ(colourIn(12, 4), MarkedRowColor(palette));
    EXPECT_EQ(colourIn(13, 0), MarkedRowColor(palette));
    EXPECT_EQ(colourIn(14, 4), MarkedRowColor(palette));
    // The current cell keeps the full highlight, which the style may shade by a step.
    const QColor current = colourIn(14, 1);
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    EXPECT_LE(std::abs(current.red() - highlight.red()) + std::abs(current.green() - highlight.green()) +
                  std::abs(current.blue() - highlight.blue()),
              6)
        << current.name().toStdString();
    EXPECT_EQ(colourIn(11, 4), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(colourIn(15, 4), palette.color(QPalette::Active, QPalette::Base));
}

TEST_F(CopyRowsTest, ANewSeriesStartsUnmarked) {
    press(Qt::Key_A, Qt::ControlModifier);
    openThroughDialog(path);
    form->tableButton->click();
    copyWithKeys();
    EXPECT_EQ(clipboard(), rowsText(1, 1));
}

} // namespace
