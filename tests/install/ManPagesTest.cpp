// The manual pages name every command and option the programs take, in both languages.

#include "app/program/ViewerCommandLine.h"
#include "dump/DumpArgs.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QString Page(const char* relative) {
    QFile file(QStringLiteral(RADVIEW_SOURCE_DIR "/man/") + QLatin1String(relative));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A page spells the hyphens of an option as roff's minus sign.
QString AsRoff(QString option) {
    return option.replace(QLatin1Char('-'), QStringLiteral("\\-"));
}

QStringList OptionsOf(const QString& usage) {
    QStringList options;
    const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    for (auto it = option.globalMatch(usage); it.hasNext();)
        options << it.next().captured();
    options.removeDuplicates();
    return options;
}

void ExpectNamed(const char* page, const QStringList& options) {
    const QString text = Page(page);
    ASSERT_FALSE(text.isEmpty()) << page;
    for (const QString& option : options)
        EXPECT_TRUE(text.contains(AsRoff(option))) << page << " does not name " << option.toStdString();
}

} // namespace

TEST(ManPages, RadviewDumpPagesNameEveryOptionOfItsUsage) {
    QStringList options = OptionsOf(QString::fromUtf8(DumpUsage));
    ASSERT_TRUE(options.contains(QStringLiteral("--print-table")));
    options << QStringLiteral("--help") << QStringLiteral("--version");
    ExpectNamed("radview-dump.1", options);
    ExpectNamed("ru/radview-dump.1", options);
}

TEST(ManPages, RadviewPagesNameEveryOptionOfItsUsage) {
    const QStringList options = OptionsOf(QString::fromUtf8(ViewerUsage));
    ASSERT_TRUE(options.contains(QStringLiteral("--help")));
    ASSERT_TRUE(options.contains(QStringLiteral("--version")));
    ExpectNamed("radview.1", options);
    ExpectNamed("ru/radview.1", options);
}
