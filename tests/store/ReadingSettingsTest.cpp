#include "store/ReadingSettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ReadingSettingsFile : public testing::Test {
protected:
    QTemporaryDir folder;
    QString path() const { return folder.filePath(QStringLiteral("radview.ini")); }
    void writeText(const char* text) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    ReadingSettings read() {
        QSettings settings(path(), QSettings::IniFormat);
        return ReadReadingSettings(settings);
    }
};

TEST_F(ReadingSettingsFile, AFirstStartIsTheProgramAsItWas) {
    const ReadingSettings reading = read();
    EXPECT_EQ(reading.unit, ActivityUnit::BecquerelPerCubicMetre);
    EXPECT_TRUE(reading.levels.empty());
    EXPECT_FALSE(reading.averageShown);
    EXPECT_EQ(reading.averageWindowHours, 24);
    EXPECT_TRUE(IsWarningColourText(reading.warningColour));
    EXPECT_EQ(reading, ReadingSettings{});
}

TEST_F(ReadingSettingsFile, WhatWasWrittenIsReadInTheNextRun) {
    const ReadingSettings chosen{
        ActivityUnit::PicocuriePerLitre, {100, 200, 300}, QStringLiteral("#12abef"), 72, true};
    {
        QSettings settings(path(), QSettings::IniFormat);
        WriteReadingSettings(settings, chosen);
    }
    EXPECT_EQ(read(), chosen);
}

TEST_F(ReadingSettingsFile, AValueThatCannotBeReadKeepsItsDefaultAlone) {
    writeText("[Reading]\nunit=furlongs\nlevels=100,200\nwarningColour=red\naverageWindowHours=0\n"
              "averageShown=maybe\n");
    ReadingSettings expected;
    expected.levels = {100, 200}; // typed by hand with commas, which an ini file reads as a list
    EXPECT_EQ(read(), expected);

    writeText("[Reading]\nunit=pCi/L\nlevels=100 abc\nwarningColour=#ABCDEF\naverageWindowHours=8785\n");
    expected = {};
    expected.unit = ActivityUnit::PicocuriePerLitre;
    expected.warningColour = QStringLiteral("#abcdef");
    EXPECT_EQ(read(), expected);
}

} // namespace
