// The series list window: its look, its rows, choosing, closing and showing it again.

#include "tests/app/GuiFixture.h"

#include "app/window/InfoPanel.h"

#include "app/window/SeriesListWindow.h"
#include "app/window/StatusPanels.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>

namespace {

QStringList ItemTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int c = 0; c < 5; ++c)
        texts << item->text(c);
    return texts;
}

} // namespace

TEST_F(GuiTest, SeriesListIsAReadOnlyReportOfFiveColumns) {
    SeriesListWindow* list = form->seriesListWindow();
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Выбор серии"));
    EXPECT_EQ(list->geometry(), QRect(397, 198, 407, 203));
    EXPECT_FALSE(list->isVisible());
    QTreeWidget* view = list->list;
    const QStringList titles = {"# п/п", "# серии", "Начало измерений", "Конец измерений", "Активность"};
    const int widths[] = {40, 60, 110, 110, 75};
    ASSERT_EQ(view->columnCount(), 5);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(view->headerItem()->text(c), titles[c]);
        EXPECT_EQ(view->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(view->rootIsDecorated());
}

TEST_F(GuiTest, SeriesListRowsShowStartEndAndMeanActivity) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    QTreeWidget* view = form->seriesListWindow()->list;
    EXPECT_EQ(view->geometry(), form->seriesListWindow()->rect()); // the list fills the window
    ASSERT_EQ(view->topLevelItemCount(), 3);
    EXPECT_EQ(ItemTexts(view->topLevelItem(0)),
              QStringList({"1", "11", " 5 янв 08:00:00", " 5 янв 08:10:00", "8533"}));
    EXPECT_EQ(ItemTexts(view->topLevelItem(1)),
              QStringList({"2", "12", " 6 фев 10:00:00", " 6 фев 10:30:00", "8533"}));
    EXPECT_EQ(ItemTexts(view->topLevelItem(2)),
              QStringList({"3", "13", " 7 фев 11:00:00", "не определено", ""}));
}

TEST_F(GuiTest, SeriesListTitlesAndTextsFitTheirColumns) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    QTreeWidget* view = form->seriesListWindow()->list;
    // The longest texts a column can hold: "Ошибка в файле" and a date-time of a two-digit day.
    view->topLevelItem(0)->setText(2, QStringLiteral("Ошибка в файле"));
    view->topLevelItem(0)->setText(3, QStringLiteral("28 дек 23:59:59"));
    view->topLevelItem(0)->setText(4, QStringLiteral("1280000"));
    for (int c = 0; c < 5; ++c) {
        EXPECT_LE(view->header()->sectionSizeHint(c), view->columnWidth(c)) << "title of column " << c;
        for (int row = 0; row < view->topLevelItemCount(); ++row) {
            const QModelIndex index = view->model()->index(row, c);
            QStyleOptionViewItem option;
            option.initFrom(view->viewport());
            option.font = view->font();
            option.fontMetrics = view->fontMetrics();
            EXPECT_LE(view->itemDelegate()->sizeHint(option, index).width(), view->columnWidth(c))
                << "row " << row << " column " << c;
        }
    }
}

TEST_F(GuiTest, DoubleClickOnARowShowsThatSeriesAndClosesTheList) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    doubleClickRow(0);

    EXPECT_FALSE(seriesListShown());
    EXPECT_EQ(panel(0), QStringLiteral("Файл several.rad; Серия N 11"));
    EXPECT_EQ(form->infoPanel->measurementCountLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(enabledCommands(), AllCommands());
    // Closing after a choice leaves the main window as the series left it.
    EXPECT_EQ(form->infoPanel->instrumentNumberLabel->text(), QStringLiteral("77"));
}

TEST_F(GuiTest, DoubleClickWithNoRowSelectedDoesNothing) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    QTreeWidget* view = form->seriesListWindow()->list;
    view->clearSelection();
    const QSet<QString> before = enabledCommands();

    form->seriesListWindow()->LVserDblClick();
    const QRect last = view->visualItemRect(view->topLevelItem(2));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(10, last.bottom() + 20));

    EXPECT_TRUE(seriesListShown());
    EXPECT_EQ(enabledCommands(), before);
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_TRUE(form->store().noSeriesChosen);
}

TEST_F(GuiTest, ClosingTheListWithoutAChoiceReturnsToOpenAFile) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    form->seriesListWindow()->close();

    EXPECT_FALSE(seriesListShown());
    EXPECT_EQ(panel(0), QStringLiteral("Откройте файл для просмотра"));
    EXPECT_EQ(panel(1), QStringLiteral(" "));
    EXPECT_TRUE(form->infoPanel->instrumentNumberLabel->text().isEmpty());
    EXPECT_TRUE(form->infoPanel->sensitivityLabel->text().isEmpty());
    EXPECT_TRUE(form->seriesListButton->isEnabled());

    form->seriesListButton->click();
    EXPECT_TRUE(seriesListShown());
    EXPECT_EQ(form->seriesListWindow()->list->topLevelItemCount(), 3);
    EXPECT_EQ(panel(0), QStringLiteral("Просмотр файла several.rad"));
    EXPECT_EQ(form->infoPanel->instrumentNumberLabel->text(), QStringLiteral("77"));
}

TEST_F(GuiTest, SeriesCommandWithdrawsTheShownSeries) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    doubleClickRow(1);
    ASSERT_FALSE(form->infoPanel->measurementCountLabel->text().isEmpty());

    form->commands.seriesList->trigger();

    EXPECT_TRUE(seriesListShown());
    EXPECT_TRUE(form->infoPanel->measurementCountLabel->text().isEmpty());
    QSet<QString> expected = StartCommands();
    expected << "SBSer"
             << "MenuSer";
    EXPECT_EQ(enabledCommands(), expected);
    EXPECT_TRUE(form->store().noSeriesChosen);
}

TEST_F(GuiTest, OpeningAnotherFileWhileTheListIsOpenRefillsIt) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    openThroughDialog(writeFile("again.rad", SeveralSeriesFile()));

    EXPECT_TRUE(seriesListShown());
    EXPECT_EQ(form->seriesListWindow()->list->topLevelItemCount(), 3);
    EXPECT_EQ(panel(0), QStringLiteral("Просмотр файла again.rad"));
    EXPECT_EQ(form->infoPanel->instrumentNumberLabel->text(), QStringLiteral("77"));
    EXPECT_TRUE(form->seriesListButton->isEnabled());
}

TEST_F(GuiTest, AFileWithoutSeriesIsRefusedAsNoInstrumentFile) {
    // Random bytes whose first series would start without its marker, a header alone, an empty file.
    QByteArray random(600, '\0');
    for (qsizetype i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 151 + 89) % 251);
    random[7] = '\x3F';
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    ASSERT_TRUE(seriesListShown());
    for (const QByteArray& bytes : {random, QByteArray("\x05\x00\xFA\x00", 4), QByteArray()}) {
        dialogs->errors.clear();
        const QString path = writeFile("not-instrument.rad", bytes);
        openThroughDialog(path);
        ASSERT_EQ(dialogs->errors.size(), 1);
        EXPECT_EQ(
            dialogs->errors[0],
            QStringLiteral("В файле «%1» нет ни одной серии измерений: это не файл прибора?").arg(path));
        EXPECT_FALSE(seriesListShown());
        EXPECT_EQ(panel(0), QStringLiteral("Откройте файл для просмотра"));
        EXPECT_EQ(enabledCommands(), StartCommands());
        EXPECT_TRUE(form->infoPanel->instrumentNumberLabel->text().isEmpty()) << "no made-up figures";
        EXPECT_TRUE(form->infoPanel->sensitivityLabel->text().isEmpty());
    }
}

TEST_F(GuiTest, SeriesListIsAToolWindowAboveTheMainWindow) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    SeriesListWindow* list = form->seriesListWindow();
    ASSERT_TRUE(seriesListShown());
    EXPECT_EQ(list->windowType(), Qt::Tool);
    EXPECT_EQ(list->parentWidget(), form);
    ASSERT_NE(list->windowHandle(), nullptr);
    EXPECT_EQ(list->windowHandle()->transientParent(), form->windowHandle());
    // A refused series leaves the list where it was, above the main window.
    doubleClickRow(2);
    EXPECT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(seriesListShown());
}

TEST_F(GuiTest, TheSeriesListIsUsedFromTheKeyboard) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    QTreeWidget* view = form->seriesListWindow()->list;
    view->clearSelection();
    const auto selectedRow = [view] {
        const QList<QTreeWidgetItem*> selected = view->selectedItems();
        return selected.size() == 1 ? view->indexOfTopLevelItem(selected.first()) : -1;
    };
    QTest::keyClick(view, Qt::Key_Return); // nothing selected: nothing happens
    EXPECT_TRUE(seriesListShown());
    EXPECT_TRUE(form->store().noSeriesChosen);

    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(selectedRow(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(selectedRow(), 2);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(selectedRow(), 1);
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(seriesListShown());
    EXPECT_EQ(panel(0), QStringLiteral("Файл several.rad; Серия N 12"));

    form->seriesListButton->click();
    ASSERT_TRUE(seriesListShown());
    view->clearSelection();
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(seriesListShown());
    EXPECT_EQ(panel(0), QStringLiteral("Файл several.rad; Серия N 11"));
}

TEST_F(GuiTest, SeriesListColumnsWidenToTheirTextsInALargerFont) {
    // A desktop whose font runs wider than the design's: no text may be cut to another one.
    QFont wide = form->seriesListWindow()->font();
    wide.setPixelSize(15);
    form->seriesListWindow()->setFont(wide);
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    QTreeWidget* view = form->seriesListWindow()->list;
    const int design[] = {40, 60, 110, 110, 75};
    int total = 0;
    for (int c = 0; c < 5; ++c) {
        EXPECT_GE(view->columnWidth(c), design[c]);
        total += view->columnWidth(c);
        for (int row = 0; row < view->topLevelItemCount(); ++row) {
            QStyleOptionViewItem option;
            option.initFrom(view->viewport());
            option.font = view->font();
            option.fontMetrics = view->fontMetrics();
            EXPECT_LE(view->itemDelegate()->sizeHint(option, view->model()->index(row, c)).width(),
                      view->columnWidth(c))
                << "row " << row << " column " << c << ": " << view->topLevelItem(row)->text(c).toStdString();
        }
    }
    EXPECT_GE(view->viewport()->width(), total) << "the columns are seen without scrolling sideways";
}
