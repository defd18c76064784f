// The window as the desktop's conventions have it: the keys people reach for, Escape on the secondary
// windows, windows placed where the user looks, and a screen too small for the design size.

#include "tests/app/SeriesShownFixture.h"

#include "app/dialogs/HelpViewer.h"
#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "app/window/SeriesListWindow.h"
#include "app/window/StatusPanels.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

using KeysTest = SeriesShownTest;

TEST_F(KeysTest, CtrlOOpensF1HelpsCtrlQQuitsFromAnyWindowOfTheProgram) {
    QApplication::setActiveWindow(form);
    const size_t opened = dialogs->requests.size();
    QTest::keyClick(form, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs->requests.size(), opened + 1) << "the open dialog was asked for";

    openThroughDialog(path);
    form->tableButton->click();
    QApplication::setActiveWindow(&table());
    QTest::keyClick(table().grid, Qt::Key_F1);
    auto* help = form->findChild<HelpViewer*>(QStringLiteral("HelpViewer"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());

    QApplication::setActiveWindow(form);
    QTest::keyClick(form, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(closed);
}

TEST_F(KeysTest, EscapeClosesTheTableTheHelpAndTheSeriesList) {
    form->tableButton->click();
    ASSERT_TRUE(table().isVisible());
    QApplication::setActiveWindow(&table());
    QTest::keyClick(table().grid, Qt::Key_Escape);
    EXPECT_FALSE(table().isVisible());

    form->helpButton->click();
    auto* help = form->findChild<HelpViewer*>(QStringLiteral("HelpViewer"));
    ASSERT_NE(help, nullptr);
    QApplication::setActiveWindow(help);
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());

    openThroughDialog(writeFile(QStringLiteral("several.rad"), SeveralSeriesFile()));
    ASSERT_TRUE(seriesListShown());
    QApplication::setActiveWindow(form->seriesListWindow());
    QTest::keyClick(form->seriesListWindow()->list, Qt::Key_Escape);
    EXPECT_FALSE(seriesListShown());
    EXPECT_EQ(panel(0), QStringLiteral("Откройте файл для просмотра")) << "closed as by its close box";
}

TEST_F(GuiTest, AfterARefusedSeriesTheFocusStaysInTheList) {
    openThroughDialog(writeFile(QStringLiteral("several.rad"), SeveralSeriesFile()));
    QTreeWidget* list = form->seriesListWindow()->list;
    // The message box takes the activation and hands it to the main window when it goes.
    dialogs->onError = [this](const QString&) {
        QApplication::setActiveWindow(form);
        form->setFocus();
    };
    doubleClickRow(2);
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(seriesListShown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form->seriesListWindow(); }));
    EXPECT_EQ(QApplication::focusWidget(), list);
    // The keys go on choosing there.
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(panel(0), QStringLiteral("Файл several.rad; Серия N 12"));
}

TEST_F(KeysTest, HelpOpensOverTheMainWindowAndTheTableNamesItsSeries) {
    form->move(40, 30);
    form->helpButton->click();
    auto* help = form->findChild<HelpViewer*>(QStringLiteral("HelpViewer"));
    ASSERT_NE(help, nullptr);
    // Centred over it, give or take the window manager's frame, which is guessed before it is known.
    EXPECT_LE((help->frameGeometry().center() - form->frameGeometry().center()).manhattanLength(), 20);
    EXPECT_TRUE(form->screen()->availableGeometry().contains(help->frameGeometry()));

    form->tableButton->click();
    EXPECT_EQ(table().windowTitle(), series().seriesTitle);
    EXPECT_TRUE(series().seriesTitle.startsWith(QStringLiteral("Файл test.rad; Серия N ")));
    openThroughDialog(writeFile(QStringLiteral("other.rad"), OneSeriesFile()));
    EXPECT_EQ(table().windowTitle(), QStringLiteral("Файл other.rad; Серия N 5"));
}

// 1366 × 768 at 150 %: 911 × 512 logical pixels, less than the design size with a title bar.
TEST_F(KeysTest, OnASmallScreenTheWindowFitsAndTheGraphTakesTheRest) {
    const QRect available(0, 0, 911, 512);
    form->fitToScreen(available);
    QApplication::processEvents();
    EXPECT_TRUE(available.contains(form->frameGeometry())) << "the frame with its title bar fits";
    EXPECT_LT(form->height() - form->menuBar()->height(), 499) << "smaller than the design";
    EXPECT_EQ(form->minimumSize(), form->size()) << "the least the window can be is what the screen holds";
    EXPECT_EQ(form->width(), 707);
    EXPECT_EQ(form->statusPanels->geometry().bottom(), form->height() - 1);
    EXPECT_EQ(form->infoPanel->height(), 110);
    EXPECT_EQ(form->graphWidget->height(),
              form->height() - form->menuBar()->height() - 39 - 110 - form->statusPanels->height());
    EXPECT_EQ(graph().screen().size(), form->graphWidget->size()) << "the graph is drawn for its new height";

    // 1280 × 1024 at 200 %: narrower than the design; the toolbar keeps every button apart.
    form->fitToScreen(QRect(0, 0, 640, 512));
    QApplication::processEvents();
    EXPECT_TRUE(QRect(0, 0, 640, 512).contains(form->frameGeometry()));
    EXPECT_LT(form->width(), 707);
    EXPECT_LT(form->helpButton->geometry().right(), form->settingsPanel->x());
    EXPECT_LE(form->infoPanel->sensitivityLabel->geometry().right(), form->infoPanel->width() - 2);
}

TEST_F(KeysTest, TheTableOpensOnTheScreen) {
    table().move(481, 264);
    form->tableButton->click();
    EXPECT_TRUE(form->screen()->availableGeometry().contains(table().frameGeometry()))
        << "the table at its design place would run over the screen's right edge";
}

} // namespace
