// Where the open dialog starts.

#include "app/dialogs/PresetFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class PresetFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* folder :
             {"src/samples", "build/app", "prefix/bin", "prefix/share/radview/samples", "home"})
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        where.buildDir = path("build");
        where.sourceSamples = path("src/samples");
        where.home = path("home");
    }
    QString path(const char* relative) const { return QDir(root.path()).filePath(relative); }

    QTemporaryDir root;
    SampleLocations where;
};

TEST_F(PresetFolderTest, BuildTreeStartsInTheSourceSamples) {
    where.applicationDir = path("build/app");
    where.installedSamples = path("build/app/../share/radview/samples");
    EXPECT_EQ(PresetFolder(where), path("src/samples"));
}

TEST_F(PresetFolderTest, InstallationWithSamplesStartsInThem) {
    where.applicationDir = path("prefix/bin");
    where.installedSamples = path("prefix/share/radview/samples");
    EXPECT_EQ(PresetFolder(where), path("prefix/share/radview/samples"));
}

TEST_F(PresetFolderTest, InstallationWithoutSamplesStartsAtHome) {
    where.applicationDir = path("prefix/bin");
    where.installedSamples = path("prefix/share/radview/none");
    EXPECT_EQ(PresetFolder(where), path("home"));
}

TEST_F(PresetFolderTest, AFolderThatOnlySharesThePrefixOfTheBuildTreeIsNotInIt) {
    ASSERT_TRUE(QDir(root.path()).mkpath("build-other/app"));
    where.applicationDir = path("build-other/app");
    where.installedSamples = QString();
    EXPECT_EQ(PresetFolder(where), path("home"));
}

TEST_F(PresetFolderTest, BuildTreeWithoutSourceSamplesFallsBack) {
    where.applicationDir = path("build/app");
    where.sourceSamples = path("src/none");
    where.installedSamples = QString();
    EXPECT_EQ(PresetFolder(where), path("home"));
}
