#include "dump/StandardOutput.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(StandardOutput, EveryByteReachesTheFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out"));
    std::FILE* stream = std::fopen(QFile::encodeName(path).constData(), "w");
    ASSERT_NE(stream, nullptr);
    const QByteArray bytes(100000, 'j');
    EXPECT_EQ(WriteAndClose(stream, bytes, StandardOutputName()), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST(StandardOutput, AWriteThatFailsOnlyAtTheFlushIsReported) {
    // A few bytes fit the stream's buffer: the write itself succeeds and only the flush meets the full
    // device.
    for (const qsizetype size : {qsizetype{0}, qsizetype{5}, qsizetype{1 << 20}}) {
        std::FILE* stream = std::fopen("/dev/full", "w");
        ASSERT_NE(stream, nullptr);
        const QString error = WriteAndClose(stream, QByteArray(size, 'x'), StandardOutputName());
        if (size == 0)
            EXPECT_EQ(error, QString());
        else
            EXPECT_EQ(error, QStringLiteral("Не удалось записать стандартный вывод: на диске нет места."));
    }
}

} // namespace
