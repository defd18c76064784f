// The command states of the main window from start to a series on screen, driven through the toolbar.

#include "tests/app/GuiFixture.h"

#include "app/window/InfoPanel.h"

#include "app/window/GraphWidget.h"
#include "app/window/SeriesListWindow.h"
#include "graph/ColorScheme.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

namespace {

const QString kPrompt = QStringLiteral("Откройте файл для просмотра");

QStringList ValueTexts(const MainWindow& form) {
    const InfoPanel& panel = *form.infoPanel;
    QStringList texts;
    for (const QLabel* label :
         {panel.measurementCountLabel, panel.measurementNumberLabel, panel.exposureLabel,
          panel.startTimeLabel, panel.endTimeLabel, panel.activityLabel, panel.averageLabel,
          panel.averageFromLabel, panel.averageToLabel, panel.instrumentNumberLabel, panel.sensitivityLabel})
        texts << label->text();
    return texts;
}

} // namespace

TEST_F(GuiTest, AtStartOnlyOpenLinkHelpAndExitRespond) {
    EXPECT_EQ(enabledCommands(), StartCommands());
    EXPECT_EQ(panel(0), kPrompt);
    EXPECT_FALSE(form->store().noSeriesChosen);
    EXPECT_NE(graphPixel(), EmptyAreaColor);
    EXPECT_EQ(CommandObjects(*form).size(), AllCommands().size());
    // A disabled button does not react to a click.
    form->seriesListButton->click();
    EXPECT_FALSE(seriesListShown());
}

// A button and its menu item are one command: the button shows the item's action, so they cannot disagree.
TEST_F(GuiTest, EveryButtonShowsTheActionOfItsMenuItem) {
    QList<QAction*> menuItems;
    for (QObject* command : CommandObjects(*form))
        if (auto* item = qobject_cast<QAction*>(command))
            menuItems << item;
    for (QToolButton* button : form->toolbar->findChildren<QToolButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        ASSERT_NE(button->defaultAction(), nullptr);
        EXPECT_EQ(menuItems.contains(button->defaultAction()), button != form->gridButton);
    }
}

TEST_F(GuiTest, OneSeriesFileIsShownAtOnceWithoutTheSeriesCommand) {
    const QString path = writeFile("one.rad", OneSeriesFile());
    openThroughDialog(path);

    EXPECT_FALSE(seriesListShown());
    QSet<QString> expected = AllCommands();
    expected.remove("SBSer");
    expected.remove("MenuSer");
    EXPECT_EQ(enabledCommands(), expected);
    EXPECT_EQ(panel(0), QStringLiteral("Файл one.rad; Серия N 5"));
    EXPECT_EQ(panel(1), QStringLiteral(" "));
    EXPECT_EQ(form->infoPanel->measurementCountLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(form->infoPanel->instrumentNumberLabel->text(), QStringLiteral("204"));
    EXPECT_EQ(form->infoPanel->sensitivityLabel->text(), QStringLiteral("2.50 * 10-5 Бк-1 * м3 * c-1"));
    EXPECT_FALSE(form->store().noSeriesChosen);
    EXPECT_EQ(form->store().selected.measurementCount, 3);
    EXPECT_EQ(form->store().file.dataFileName, path);
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_NE(graphPixel(), EmptyAreaColor);
}

TEST_F(GuiTest, SeveralSeriesFileShowsTheListAndAddsOnlyTheSeriesCommand) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));

    EXPECT_TRUE(seriesListShown());
    QSet<QString> expected = StartCommands();
    expected << "SBSer"
             << "MenuSer";
    EXPECT_EQ(enabledCommands(), expected);
    EXPECT_EQ(panel(0), QStringLiteral("Просмотр файла several.rad"));
    EXPECT_EQ(form->infoPanel->instrumentNumberLabel->text(), QStringLiteral("77"));
    EXPECT_EQ(form->infoPanel->sensitivityLabel->text(), QStringLiteral("2.50 * 10-5 Бк-1 * м3 * c-1"));
    EXPECT_TRUE(form->store().noSeriesChosen);
    EXPECT_EQ(graphPixel(), EmptyAreaColor);
}

TEST_F(GuiTest, CancellingTheOpenDialogWithdrawsTheShownSeries) {
    openThroughDialog(writeFile("one.rad", OneSeriesFile()));
    ASSERT_EQ(form->infoPanel->measurementCountLabel->text(), QStringLiteral("3"));
    form->infoPanel->measurementNumberLabel->setText("1"); // as the table would have filled it

    cancelOpenDialog();

    EXPECT_EQ(enabledCommands(), StartCommands());
    for (const QString& text : ValueTexts(*form))
        EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    EXPECT_EQ(panel(0), kPrompt);
    EXPECT_TRUE(form->store().noSeriesChosen);
    EXPECT_EQ(graphPixel(), EmptyAreaColor);
    // Caption labels keep their text.
    EXPECT_EQ(form->infoPanel->findChild<QLabel*>("Label4")->text(), QStringLiteral("Кол-во изм."));
}

TEST_F(GuiTest, GridButtonKeepsItsDownStateThroughResetAndEnable) {
    openThroughDialog(writeFile("one.rad", OneSeriesFile()));
    form->gridButton->click();
    ASSERT_TRUE(form->gridButton->isChecked());
    cancelOpenDialog();
    EXPECT_FALSE(form->gridButton->isEnabled());
    EXPECT_TRUE(form->gridButton->isChecked());
    openThroughDialog(writeFile("one.rad", OneSeriesFile()));
    EXPECT_TRUE(form->gridButton->isEnabled());
    EXPECT_TRUE(form->gridButton->isChecked());
}

TEST_F(GuiTest, FileThatCannotBeReadIsReportedByNameAndTheWindowWaitsForAnother) {
    const QString missing = dir.filePath("missing.rad");
    openThroughDialog(missing);

    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors.first().contains("missing.rad")) << dialogs->errors.first().toStdString();
    EXPECT_EQ(panel(0), kPrompt);
    EXPECT_EQ(enabledCommands(), StartCommands());
    EXPECT_FALSE(seriesListShown());
    EXPECT_EQ(form->store().file.seriesCount, 0);
}

TEST_F(GuiTest, OpenDialogAsksForInstrumentFilesAndOffersTheLastChoiceAgain) {
    const QString path = writeFile("one.rad", OneSeriesFile());
    openThroughDialog(path);
    cancelOpenDialog();

    ASSERT_EQ(dialogs->requests.size(), 2u);
    const OpenDialogRequest& first = dialogs->requests[0];
    EXPECT_EQ(first.defaultSuffix, QStringLiteral("rad"));
    EXPECT_EQ(first.nameFilters, QStringList({QStringLiteral("Двоичные файлы (*.ser) (*.rad)"),
                                              QStringLiteral("Все файлы (*.*) (*)")}));
    EXPECT_TRUE(first.fileName.isEmpty());
    EXPECT_FALSE(first.directory.isEmpty());
    const OpenDialogRequest& second = dialogs->requests[1];
    EXPECT_EQ(second.fileName, QStringLiteral("one.rad"));
    EXPECT_EQ(second.directory, dir.path());
}

TEST_F(GuiTest, BadMarksAreReportedOneByOneBeforeTheCommandsOpen) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    bool dataCommandsDuringMessage = true;
    dialogs->onError = [&](const QString&) { dataCommandsDuringMessage = form->tableButton->isEnabled(); };

    doubleClickRow(1);

    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_EQ(dialogs->errors.first(),
              QStringLiteral("Ошибка в файле. № изм=2  Мес=2  День=6  Час=25  Мин=0  Сек=0"));
    EXPECT_FALSE(dataCommandsDuringMessage);
    EXPECT_TRUE(form->tableButton->isEnabled());
    EXPECT_TRUE(form->seriesListButton->isEnabled()); // three series: the list can be shown again
    EXPECT_EQ(form->infoPanel->measurementCountLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(panel(0), QStringLiteral("Файл several.rad; Серия N 12"));
    EXPECT_FALSE(seriesListShown());
}

TEST_F(GuiTest, SeriesWithFewerThanTwoMarksIsRefusedAndNothingElseChanges) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    const QSet<QString> before = enabledCommands();
    const QStringList labelsBefore = ValueTexts(*form);

    doubleClickRow(2);

    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_EQ(dialogs->errors.first(), QStringLiteral("Серия не определена. Нет  измерений"));
    EXPECT_EQ(enabledCommands(), before);
    EXPECT_EQ(ValueTexts(*form), labelsBefore);
    EXPECT_TRUE(seriesListShown());
    EXPECT_TRUE(form->store().noSeriesChosen);
    EXPECT_EQ(form->store().selected.measurementCount, 0);
    EXPECT_EQ(panel(0), QStringLiteral("Файл several.rad; Серия N 13"));
}

TEST_F(GuiTest, OneSeriesFileWithASingleMarkKeepsTheStartCommands) {
    const QByteArray bytes =
        InstrumentFileBuilder(9, 100).series(1, 24).mark(5, 5, 5, 5, 5).endSeries().bytes();
    openThroughDialog(writeFile("single.rad", bytes));

    EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("Серия не определена. Нет  измерений")});
    EXPECT_FALSE(seriesListShown());
    EXPECT_EQ(enabledCommands(), StartCommands());
    EXPECT_EQ(form->infoPanel->instrumentNumberLabel->text(), QStringLiteral("9"));
    EXPECT_EQ(form->infoPanel->sensitivityLabel->text(), QStringLiteral("1.00 * 10-5 Бк-1 * м3 * c-1"));
    EXPECT_TRUE(form->infoPanel->measurementCountLabel->text().isEmpty());
}

TEST_F(GuiTest, GraphAreaIsSilverWhileAFileIsOpenWithoutASeries) {
    PaintRecorder graph(form->graphWidget);
    EXPECT_EQ(graphPixel(), form->palette().color(QPalette::Window));
    form->graphWidget->repaint();
    EXPECT_GT(graph.paints, 0);
    cancelOpenDialog();
    EXPECT_EQ(graphPixel(), EmptyAreaColor);
}
