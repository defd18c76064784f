// A span dragged out on the graph: the measurements it takes, its band, the panel's figures against the
// report's, the unit, and its commands and keys.
#include "app/span/SpanCommands.h"
#include "app/span/SpanFigureTexts.h"
#include "app/span/SpanPanel.h"
#include "app/window/GraphWidget.h"
#include "graph/SpanBand.h"
#include "print/ReportTexts.h"
#include "table/CsvTable.h"
#include "tests/app/SeriesShownFixture.h"
#include "tests/support/PdfText.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

class SpanTest : public SeriesShownTest {
protected:
    QWidget& area() { return *form->graphWidget; }
    SpanCommands& commands() { return form->spanCommands(); }
    SpanPanel& panel() { return *commands().panel(); }
    std::optional<MeasurementSpan> span() { return form->document().span(); }

    // The middle of measurement k as the view is laid out, a little below the frame's top.
    QPoint middleOf(int k) {
        const TimeMap time = ViewTimeMap(graph().view(), series());
        return {time.middleX(series().elapsedTime[k - 1], series().elapsedTime[k]), 40};
    }
    // What a click at x would take.
    int under(QPoint at) { return MeasurementAtX(graph().view(), series(), at.x()); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(&area(), button, {}, at);
    }
    void moveHeld(QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent move(QEvent::MouseMove, to, area().mapToGlobal(to), Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(&area(), &move);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(&area(), button, {}, at);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        press(from, button);
        moveHeld(to, button);
        release(to, button);
    }
    QToolButton* panelButton(QAction* action) {
        for (QToolButton* button : panel().findChildren<QToolButton*>())
            if (button->defaultAction() == action)
                return button;
        return nullptr;
    }
    // The panel's rows as "name: value", the report's wording.
    QStringList panelLines() {
        QStringList lines;
        for (const SpanFigureRow& row : panel().rows())
            lines << row.name + QStringLiteral(": ") + panel().valueOf(row.name);
        return lines;
    }
};

TEST_F(SpanTest, DraggingMarksTheMeasurementsUnderThePressAndTheMouseLive) {
    const QPoint from = middleOf(12);
    press(from);
    EXPECT_EQ(form->document().pointer(), under(from)); // the press is a click, as ever
    moveHeld(from + QPoint(QApplication::startDragDistance() - 1, 0));
    EXPECT_FALSE(span()) << "a move shorter than the drag distance marks nothing";
    EXPECT_FALSE(panel().isVisible());
    moveHeld(middleOf(20));
    ASSERT_TRUE(span());
    EXPECT_EQ(span()->first, under(from));
    EXPECT_EQ(span()->last, under(middleOf(20)));
    EXPECT_TRUE(panel().isVisible());
    EXPECT_TRUE(commands().clearSpan->isEnabled());
    moveHeld(middleOf(15));
    EXPECT_EQ(span()->last, under(middleOf(15)));
    // Left of the frame the mouse still takes a measurement by the click's rule, inside the series.
    moveHeld(QPoint(2, 40));
    EXPECT_EQ(span()->first, under(QPoint(2, 40)));
    EXPECT_EQ(span()->last, under(from));
    release(QPoint(2, 40));

    // The right button marks too, dragged either way.
    drag(middleOf(25), middleOf(11), Qt::RightButton);
    EXPECT_EQ(span()->first, under(middleOf(11)));
    EXPECT_EQ(span()->last, under(middleOf(25)));

    // A press without movement moves the pointer and leaves the span; so does the middle button's.
    press(middleOf(28));
    release(middleOf(28));
    EXPECT_EQ(form->document().pointer(), under(middleOf(28)));
    press(middleOf(27), Qt::MiddleButton);
    release(middleOf(27), Qt::MiddleButton);
    EXPECT_EQ(form->document().pointer(), under(middleOf(27)));
    EXPECT_EQ(span()->first, under(middleOf(11)));
    EXPECT_EQ(span()->last, under(middleOf(25)));

    // While a two-click zoom waits, a press is its edge and a drag marks nothing.
    form->commands.zoom->trigger();
    drag(middleOf(13), middleOf(17));
    EXPECT_EQ(span()->first, under(middleOf(11)));
    EXPECT_EQ(form->graph().view().zoomMode, ZoomState::AwaitingSecondEdge);
}

TEST_F(SpanTest, TheBandShadesTheSpanOverTheGraphAndRepaintsOnlyTheColumnsThatChange) {
    press(middleOf(12));
    moveHeld(middleOf(20));
    QCoreApplication::processEvents();
    const TimeMap time = ViewTimeMap(graph().view(), series());
    const int start = time.x(series().elapsedTime[11]);
    const int end = time.x(series().elapsedTime[20]); // the first column after the band
    const int y = graph().view().margins.top + 3;
    const QColor background = graph().colors().background;
    QImage shaded(1, 1, QImage::Format_RGB32);
    shaded.fill(background);
    {
        QPainter painter(&shaded);
        PaintSpanBand(painter, QRect(0, 0, 1, 1), background);
    }
    const QImage shown = area().grab().toImage();
    EXPECT_EQ(shown.pixelColor(start, y), shaded.pixelColor(0, 0));
    EXPECT_EQ(shown.pixelColor(end - 1, y), shaded.pixelColor(0, 0));
    EXPECT_EQ(shown.pixelColor(start - 1, y), background);
    EXPECT_EQ(shown.pixelColor(end, y), background);
    EXPECT_NE(shaded.pixelColor(0, 0), background);
    // The band lies over the picture, not in it: printouts and saved pictures draw the picture's routines.
    EXPECT_EQ(graph().screen().pixelColor(start, y), background);

    PaintRecorder recorder(&area());
    moveHeld(middleOf(22));
    QCoreApplication::processEvents();
    const int newEnd = time.x(series().elapsedTime[22]);
    EXPECT_EQ(recorder.painted,
              QRegion(QRect(end, graph().view().margins.top, newEnd - end, graph().spanBand()->height())));
}

TEST_F(SpanTest, ThePanelStatesTheReportsFiguresInTheUnitTheUserReads) {
    drag(middleOf(12), middleOf(20));
    const MeasurementSpan marked = *span();
    const int n = marked.last - marked.first + 1;
    const SpanStatistics statistics =
        ComputeSpanStatistics(series(), form->store().file.sensitivity, marked, DefaultLevels());
    const QStringList lines = panelLines();
    ASSERT_EQ(lines.size(), 6 + StatisticLines(statistics).size());
    EXPECT_EQ(
        lines.mid(0, 6),
        (QStringList{
            QStringLiteral("Измерений: %1").arg(n), QStringLiteral("Первое измерение: %1").arg(marked.first),
            QStringLiteral("Последнее измерение: %1").arg(marked.last),
            QStringLiteral("Начало: ") +
                MarkMoment(series(), marked.first - 1).toString("dd.MM.yyyy HH:mm:ss"),
            QStringLiteral("Конец: ") + MarkMoment(series(), marked.last).toString("dd.MM.yyyy HH:mm:ss"),
            QStringLiteral("Продолжительность: ") +
                DurationText(series().elapsedTime[marked.last] - series().elapsedTime[marked.first - 1])}));
    EXPECT_EQ(lines.mid(6), StatisticLines(statistics));

    // "Отчёт по выделенному" makes the report on this span without asking for a range.
    if (PdfToolsAvailable()) {
        const QString pdf = dir.filePath(QStringLiteral("span.pdf"));
        tableDialogs->saveAnswers.push_back(pdf);
        panelButton(commands().report)->click();
        const QString page = PdfPageText(pdf, 0);
        EXPECT_TRUE(page.contains(
            QStringLiteral("Измерений: %1 (с %2 по %3)").arg(n).arg(marked.first).arg(marked.last)))
            << page.toStdString();
        for (const QString& line : lines.mid(6))
            EXPECT_TRUE(page.contains(line)) << line.toStdString();
    }

    // The user's unit and levels, live.
    ReadingSettings reading = form->document().reading();
    reading.unit = ActivityUnit::PicocuriePerLitre;
    reading.levels = {150};
    form->document().setReading(reading);
    // The same lines as the report in pCi/L: each figure converted once from its unrounded value.
    const SpanStatistics above150 =
        ComputeSpanStatistics(series(), form->store().file.sensitivity, marked, {150});
    const UnroundedFigures unrounded =
        ComputeUnroundedFigures(series(), form->store().file.sensitivity, marked);
    EXPECT_EQ(panelLines().mid(6), StatisticLinesIn(above150, unrounded, ActivityUnit::PicocuriePerLitre));
    EXPECT_TRUE(panel()
                    .valueOf(QStringLiteral("Среднее"))
                    .startsWith(ActivityValueText(*unrounded.average, ActivityUnit::PicocuriePerLitre) +
                                QStringLiteral(" пКи/л (")));
    EXPECT_EQ(panel().rows().back().name, QStringLiteral("Время выше 4,05 пКи/л (150 Бк/м³)"));
    EXPECT_EQ(panel().rows().size(), 12u);
}

TEST_F(SpanTest, CopyAndCsvGiveTheSpanForOtherPrograms) {
    drag(middleOf(12), middleOf(20));
    const MeasurementSpan marked = *span();
    QGuiApplication::clipboard()->clear();
    panelButton(commands().copy)->click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, SpanFiguresClipboardText(panel().rows()));
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Измерений\t%1\nПервое измерение\t%2\n")
                                      .arg(marked.last - marked.first + 1)
                                      .arg(marked.first)))
        << copied.toStdString();

    const QString csv = dir.filePath(QStringLiteral("span.csv"));
    tableDialogs->saveAnswers.push_back(csv);
    panelButton(commands().csv)->click();
    ASSERT_EQ(tableDialogs->saveRequests.size(), 1u);
    EXPECT_EQ(tableDialogs->saveRequests[0].nameFilter, QStringLiteral("CSV (*.csv)"));
    EXPECT_EQ(tableDialogs->saveRequests[0].fileName, dir.filePath(QStringLiteral("test.csv")));
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), SpanCsv(series(), marked));
}

TEST_F(SpanTest, EscapeAndCtrlCAreTheSpansInTheMainWindowOnly) {
    EXPECT_FALSE(commands().clearSpan->isEnabled());
    drag(middleOf(12), middleOf(20));
    form->SBTabClick();
    QApplication::setActiveWindow(&table());
    QTest::keyClick(table().grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("number\t")))
        << "the table copies its rows";
    QTest::keyClick(table().grid, Qt::Key_Escape);
    EXPECT_FALSE(table().isVisible());
    EXPECT_TRUE(span()) << "Escape closed the table and left the span";

    QApplication::setActiveWindow(form);
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : form;
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Измерений\t")));
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_FALSE(span());
    EXPECT_FALSE(panel().isVisible());
    EXPECT_FALSE(graph().spanBand());
    EXPECT_FALSE(commands().copy->isEnabled());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty()) << "no span, nothing to copy";
}

TEST(SpanPanelPlace, BesideTheWindowWhereTheScreenHasRoom) {
    const QRect screen(0, 0, 1280, 1024);
    const QRect graph(10, 80, 700, 300);
    const QSize panel(400, 260);
    EXPECT_EQ(SpanPanelPlace(QRect(100, 50, 720, 560), graph, panel, screen), QPoint(826, 80));
    EXPECT_EQ(SpanPanelPlace(QRect(500, 50, 720, 560), graph, panel, screen), QPoint(94, 80));
    EXPECT_EQ(SpanPanelPlace(QRect(280, 50, 720, 560), graph, panel, screen), QPoint(310, 616));
    // Nowhere beside it: the roomier side, within the screen.
    EXPECT_EQ(SpanPanelPlace(QRect(290, 50, 720, 900), graph, panel, screen), QPoint(0, 80));
    EXPECT_EQ(SpanPanelPlace(QRect(270, 50, 720, 900), graph, panel, screen), QPoint(880, 80));
}

} // namespace
