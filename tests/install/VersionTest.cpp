// The version both programs print is the one the Debian package is built with: its changelog's newest
// entry, which the AppStream metadata gives the software centres as the newest release.

#include "app/program/ProgramVersion.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct ChangelogEntry {
    QString version;
    QDateTime date;
};

// The newest entry: its version from the first line, its date from the first trailer line.
ChangelogEntry NewestChangelogEntry() {
    QFile changelog(QStringLiteral(RADVIEW_SOURCE_DIR "/debian/changelog"));
    if (!changelog.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(changelog.readAll());
    const QRegularExpressionMatch version =
        QRegularExpression(QStringLiteral("^radview \\(([^)]+)\\) ")).match(text);
    const QRegularExpressionMatch trailer =
        QRegularExpression(QStringLiteral("^ -- [^<]+<[^>]+>  (.+)$"), QRegularExpression::MultilineOption)
            .match(text);
    return {version.captured(1), QDateTime::fromString(trailer.captured(1).trimmed(), Qt::RFC2822Date)};
}

} // namespace

TEST(ProgramVersion, IsTheNewestVersionOfThePackagesChangelog) {
    const ChangelogEntry newest = NewestChangelogEntry();
    ASSERT_FALSE(newest.version.isEmpty());
    EXPECT_EQ(QString::fromUtf8(ProgramVersion), newest.version);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(ProgramVersion).hasMatch())
        << ProgramVersion;
}

TEST(ProgramVersion, TheAppStreamMetadataListsTheChangelogsNewestEntryFirst) {
    const ChangelogEntry newest = NewestChangelogEntry();
    ASSERT_TRUE(newest.date.isValid());
    QFile metainfo(QStringLiteral(RADVIEW_SOURCE_DIR "/desktop/" RADVIEW_APP_ID ".metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&metainfo);
    while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"release")) {
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    ASSERT_EQ(xml.name(), u"release");
    EXPECT_EQ(xml.attributes().value(QStringLiteral("version")).toString(), newest.version);
    EXPECT_EQ(xml.attributes().value(QStringLiteral("date")).toString(),
              newest.date.toUTC().toString(Qt::ISODate).left(10));
}
