// The version both programs print is the one the Debian package is built with: its changelog's newest
// entry.

#include "app/ProgramVersion.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(ProgramVersion, IsTheNewestVersionOfThePackagesChangelog) {
    QFile changelog(QStringLiteral(RADVIEW_SOURCE_DIR "/packaging/changelog"));
    ASSERT_TRUE(changelog.open(QIODevice::ReadOnly));
    const QString firstLine = QString::fromUtf8(changelog.readLine());
    const QRegularExpressionMatch entry =
        QRegularExpression(QStringLiteral("^radview \\(([^)]+)\\) ")).match(firstLine);
    ASSERT_TRUE(entry.hasMatch()) << firstLine.toStdString();
    EXPECT_EQ(QString::fromUtf8(ProgramVersion), entry.captured(1));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(ProgramVersion).hasMatch())
        << ProgramVersion;
}
