// Where the help command finds its file: in the build tree beside the program, in an installation in its
// data folder.

#include "app/dialogs/HelpLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class HelpLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* folder : {"build/app", "prefix/bin", "prefix/share/radview"})
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
    }
    QString path(const char* relative) const { return QDir(root.path()).filePath(relative); }
    void put(const char* relative) const {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir root;
};

TEST_F(HelpLocationTest, BuildTreeFindsTheCopyBesideTheProgram) {
    put("build/app/help.hlp");
    EXPECT_EQ(HelpFolder({path("build/app"), path("build/share/radview")}, "help.hlp"), path("build/app"));
}

TEST_F(HelpLocationTest, InstallationFindsItInItsDataFolder) {
    put("prefix/share/radview/help.hlp");
    EXPECT_EQ(HelpFolder({path("prefix/bin"), path("prefix/share/radview")}, "help.hlp"),
              path("prefix/share/radview"));
}

TEST_F(HelpLocationTest, ACopyBesideTheProgramComesFirst) {
    put("prefix/bin/help.hlp");
    put("prefix/share/radview/help.hlp");
    EXPECT_EQ(HelpFolder({path("prefix/bin"), path("prefix/share/radview")}, "help.hlp"), path("prefix/bin"));
}

TEST_F(HelpLocationTest, AMissingFileIsLookedForInTheDataFolder) {
    EXPECT_EQ(HelpFolder({path("prefix/bin"), path("prefix/share/radview")}, "help.hlp"),
              path("prefix/share/radview"));
}

TEST_F(HelpLocationTest, AFolderOfTheHelpFileNameIsNoHelpFile) {
    ASSERT_TRUE(QDir(root.path()).mkpath("prefix/bin/help.hlp"));
    put("prefix/share/radview/help.hlp");
    EXPECT_EQ(HelpFolder({path("prefix/bin"), path("prefix/share/radview")}, "help.hlp"),
              path("prefix/share/radview"));
}

// The English page where it is installed; the Russian one, which every installation has, where not.
TEST_F(HelpLocationTest, ATranslatedPageFallsBackToTheRussianOne) {
    const HelpLocations where{path("prefix/bin"), path("prefix/share/radview")};
    put("prefix/share/radview/help.hlp");
    const HelpFile missing = ChooseHelpFile(where, "help-en.hlp");
    EXPECT_EQ(missing.name, "help.hlp");
    EXPECT_EQ(missing.folder, path("prefix/share/radview"));
    put("prefix/share/radview/help-en.hlp");
    EXPECT_EQ(ChooseHelpFile(where, "help-en.hlp").name, "help-en.hlp");
}

// bin/ and share/ are siblings under the prefix, whatever the prefix.
TEST_F(HelpLocationTest, ThisRunLooksInTheDataFolderBesideItsBinFolder) {
    const HelpLocations where = CurrentHelpLocations();
    EXPECT_EQ(where.dataDir, QDir::cleanPath(where.applicationDir + QStringLiteral("/../share/radview")));
}
