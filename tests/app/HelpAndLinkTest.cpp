// Help, the instrument link, exit and the keys that reach the window first.

#include "tests/app/GuiFixture.h"

#include "app/dialogs/HelpViewer.h"
#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "app/window/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

TEST_F(GuiTest, HelpButtonOpensTheHelpBesideTheProgramAtItsTopic) {
    form->helpButton->click();
    auto* viewer = form->findChild<HelpViewer*>("HelpViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(DocumentHasAnchor(*viewer->browser()->document(), "About_Clearscan32"));
    EXPECT_TRUE(viewer->browser()->toPlainText().contains(QStringLiteral("Визуализация данных")));
    EXPECT_EQ(viewer->browser()->document()->baseUrl().fileName(), QStringLiteral("help.hlp"));
    viewer->hide();
    form->commands.help->trigger();
    EXPECT_TRUE(viewer->isVisible());
}

TEST_F(GuiTest, HelpSaysSoWhenTheFileIsMissing) {
    HelpViewer viewer(dir.path());
    EXPECT_FALSE(viewer.showTopic("help.hlp", "About_Clearscan32"));
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QStringLiteral("не найден")));
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QStringLiteral("help.hlp")));
}

TEST_F(GuiTest, HelpSaysSoWhenTheTopicIsMissing) {
    QFile file(dir.filePath("help.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p><a name=\"Other\"></a>Другой раздел</p></body></html>");
    file.close();
    HelpViewer viewer(dir.path());
    EXPECT_FALSE(viewer.showTopic("help.hlp", "About_Clearscan32"));
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QStringLiteral("нет раздела «About_Clearscan32»")));
    EXPECT_TRUE(viewer.showTopic("help.hlp", "Other"));
}

TEST_F(GuiTest, InstrumentLinkStartsItsProgramWhereItIsFoundAndSaysNothing) {
    openThroughDialog(writeFile("one.rad", OneSeriesFile()));
    QDir(dir.path()).mkdir("empty");
    QFile linkProgram(dir.filePath("devsync.exe"));
    ASSERT_TRUE(linkProgram.open(QIODevice::WriteOnly));
    linkProgram.setPermissions(linkProgram.permissions() | QFileDevice::ExeUser);
    linkProgram.close();
    launcher->folders = {dir.filePath("empty"), dir.path()};
    const QSet<QString> before = enabledCommands();
    const QString status = panel(0);

    form->deviceLinkButton->click();
    form->commands.deviceLink->trigger();

    EXPECT_EQ(launcher->started, QStringList({linkProgram.fileName(), linkProgram.fileName()}));
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_EQ(enabledCommands(), before);
    EXPECT_EQ(panel(0), status);
    EXPECT_EQ(panel(1), QStringLiteral(" "));
}

TEST_F(GuiTest, AMissingLinkProgramIsNamedInTheStatusBarWithWhereItWasLookedFor) {
    QDir(dir.path()).mkdir("bin");
    launcher->folders = {dir.filePath("bin"), "/nonexistent/sbin"};
    const QSet<QString> before = enabledCommands();
    form->deviceLinkButton->click();
    EXPECT_TRUE(launcher->started.isEmpty());
    EXPECT_EQ(panel(1), QStringLiteral("Программа связи с прибором «devsync.exe» не найдена; искали в: %1, "
                                       "/nonexistent/sbin")
                            .arg(dir.filePath("bin")));
    EXPECT_TRUE(dialogs->errors.isEmpty()) << "a line in the status bar, no message box";
    EXPECT_EQ(enabledCommands(), before);
    // The program's own search: beside the viewer, then along PATH.
    const QStringList folders = DetachedLauncher().searchFolders();
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_EQ(folders.first(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(folders.contains(qEnvironmentVariable("PATH").split(':').first()));
}

TEST_F(GuiTest, ExitClosesTheMainWindowAndEndsTheProgram) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    ASSERT_TRUE(seriesListShown());
    form->commands.exit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(closed);
}

namespace {

class KeyCounter : public QObject {
public:
    int keys = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            ++keys;
        return false;
    }
};

} // namespace

TEST_F(GuiTest, KeysReachTheWindowBeforeItsControlsOnce) {
    // A receiver of the window's keys that takes every key it is handed.
    struct {
        std::vector<int> keys;
    } graph;
    QObject::connect(form, &MainWindow::keyPressed, [&graph](QKeyEvent* event) {
        graph.keys.push_back(event->key());
        event->accept();
    });
    QTest::keyClick(form, Qt::Key_Home);
    ASSERT_EQ(graph.keys.size(), 1u);
    EXPECT_EQ(graph.keys[0], Qt::Key_Home);

    // A control with the focus does not see a key the window took.
    QApplication::setActiveWindow(form);
    form->infoPanel->setFocusPolicy(Qt::StrongFocus);
    form->infoPanel->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), form->infoPanel);
    KeyCounter control;
    form->infoPanel->installEventFilter(&control);
    QTest::keyClick(form->infoPanel, Qt::Key_End);
    ASSERT_EQ(graph.keys.size(), 2u);
    EXPECT_EQ(graph.keys[1], Qt::Key_End);
    EXPECT_EQ(control.keys, 0);
}
