#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

TEST(BcdToByte, DecodesNibblesWithoutChecking) {
    EXPECT_EQ(BcdToByte(0x00), 0);
    EXPECT_EQ(BcdToByte(0x59), 59);
    EXPECT_EQ(BcdToByte(0x31), 31);
    EXPECT_EQ(BcdToByte(0xFF), 165);
    EXPECT_EQ(BcdToByte(0x3A), 40);
}

TEST(Parser, SmallestFileWithOneSeriesOfTwoMarks) {
    const QByteArray bytes = InstrumentFileBuilder(0x1234, 250)
                                 .series(7, 25)
                                 .mark(3, 14, 15, 9, 26)
                                 .mark(3, 14, 15, 19, 26)
                                 .endSeries()
                                 .bytes();
    ASSERT_EQ(bytes.size(), 19);
    const InstrumentFile file = ParseBytes(bytes);
    EXPECT_EQ(file.deviceNumber, 0x1234);
    EXPECT_EQ(file.sensitivity, 250);
    ASSERT_EQ(file.seriesCount, 1);
    EXPECT_EQ(file.seriesNumbers[1], 7);
    EXPECT_EQ(file.seriesYears[1], 25);
    ASSERT_EQ(file.markCount(1), 2);
    const TimeMark& second = file.seriesMarks[1][1];
    EXPECT_EQ(second.month, 3);
    EXPECT_EQ(second.day, 14);
    EXPECT_EQ(second.hour, 15);
    EXPECT_EQ(second.minute, 19);
    EXPECT_EQ(second.second, 26);
}

TEST(Parser, SeriesWordIsOffsetBy0x8000Modulo65536) {
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(1, 1)
                                               .seriesWord(0x8005, 0)
                                               .endSeries()
                                               .seriesWord(0x0005, 0)
                                               .endSeries()
                                               .endFile()
                                               .bytes());
    ASSERT_EQ(file.seriesCount, 2);
    EXPECT_EQ(file.seriesNumbers[1], 5);
    EXPECT_EQ(file.seriesNumbers[2], 32773);
}

TEST(Parser, EndPairAsFirstRecordIsASeriesWithoutMarks) {
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(1, 1)
                                               .series(1, 0)
                                               .endSeries()
                                               .series(2, 0)
                                               .mark(1, 1, 0, 0, 0)
                                               .endSeries()
                                               .bytes());
    ASSERT_EQ(file.seriesCount, 2);
    EXPECT_EQ(file.markCount(1), 0);
    EXPECT_EQ(file.markCount(2), 1);
}

TEST(Parser, FileEndPairEndsTheFileAndCountsItsSeries) {
    const QByteArray bytes = InstrumentFileBuilder(1, 1)
                                 .series(1, 0)
                                 .mark(1, 1, 0, 0, 0)
                                 .mark(1, 1, 0, 1, 0)
                                 .endFile()
                                 .series(2, 0) // never reached
                                 .mark(1, 2, 0, 0, 0)
                                 .endSeries()
                                 .bytes();
    const InstrumentFile file = ParseBytes(bytes);
    ASSERT_EQ(file.seriesCount, 1);
    EXPECT_EQ(file.markCount(1), 2);
}

TEST(Parser, MonthCodesOutsideTheCalendarGiveMonthZero) {
    InstrumentFileBuilder builder(1, 1);
    builder.series(1, 0).rawMark(0xD2, 0x01, 0, 0, 0); // flags 11, code 0x12
    const int codes[] = {0x00, 0x09, 0x0A, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x3F, 0x49, 0x81};
    for (const int code : codes)
        builder.rawMark(static_cast<uint8_t>(code), 0x01, 0, 0, 0);
    const InstrumentFile file = ParseBytes(builder.endSeries().bytes());
    ASSERT_EQ(file.markCount(1), 12);
    const int expected[] = {12, 0, 9, 0, 0, 10, 11, 12, 0, 0, 9, 1};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(file.seriesMarks[1][m].month, expected[m]) << "mark " << m;
}

TEST(Parser, NextHeaderWithoutStartFlagsEndsTheFile) {
    const QByteArray bytes = InstrumentFileBuilder(1, 1)
                                 .series(1, 0)
                                 .mark(1, 1, 0, 0, 0)
                                 .endSeries()
                                 .raw(Bytes({0x02, 0x80, 0x19, 0x81, 0x01, 0x00, 0x00, 0x00}))
                                 .bytes();
    const InstrumentFile file = ParseBytes(bytes);
    EXPECT_EQ(file.seriesCount, 1);
}

TEST(Parser, NoSeriesAtOffsetFour) {
    EXPECT_EQ(ParseBytes(Bytes({1, 0, 250, 0, 0x01, 0x80, 25, 0x41, 0x01, 0x00})).seriesCount, 0);
    EXPECT_EQ(ParseBytes(Bytes({1, 0, 250, 0, 0x01, 0x80, 25, 0xC1, 0x01})).seriesCount, 0); // 5 bytes only
    EXPECT_EQ(ParseBytes(QByteArray()).seriesCount, 0);
}

TEST(Parser, MissingHeaderBytesCountAsZero) {
    const InstrumentFile one = ParseBytes(Bytes({0x34}));
    EXPECT_EQ(one.deviceNumber, 0x34);
    EXPECT_EQ(one.sensitivity, 0);
    const InstrumentFile three = ParseBytes(Bytes({0x34, 0x12, 0xFA}));
    EXPECT_EQ(three.deviceNumber, 0x1234);
    EXPECT_EQ(three.sensitivity, 0xFA);
    EXPECT_EQ(three.seriesCount, 0);
}

TEST(Parser, ARecordCutShortByTheDataIsDropped) {
    const QByteArray whole = InstrumentFileBuilder(1, 1)
                                 .series(1, 0)
                                 .mark(1, 1, 0, 0, 0)
                                 .mark(1, 1, 0, 1, 0)
                                 .bytes(); // no end pair: the data simply runs out
    const InstrumentFile full = ParseBytes(whole);
    ASSERT_EQ(full.seriesCount, 1);
    EXPECT_EQ(full.markCount(1), 2);
    // Cut inside the second mark: the first stays, the second is dropped.
    for (int cut = 1; cut <= 4; ++cut) {
        const InstrumentFile file = ParseBytes(whole.left(whole.size() - cut));
        ASSERT_EQ(file.seriesCount, 1) << "cut " << cut;
        EXPECT_EQ(file.markCount(1), 1) << "cut " << cut;
    }
    // The first mark's minute and second beyond the data: the series stands, without marks.
    for (const int size : {10, 11}) {
        const InstrumentFile file = ParseBytes(whole.left(size));
        ASSERT_EQ(file.seriesCount, 1) << "size " << size;
        EXPECT_EQ(file.markCount(1), 0) << "size " << size;
    }
}

TEST(Parser, OnlyTheFirst8196BytesAreRead) {
    InstrumentFileBuilder builder(1, 1);
    builder.series(1, 0);
    for (int i = 0; i < 1700; ++i)
        builder.mark(1, 1 + i / 1440 % 28, i / 60 % 24, i % 60, 0);
    const QByteArray bytes = builder.endSeries().bytes();
    ASSERT_GT(bytes.size(), 8196);
    const InstrumentFile file = ParseBytes(bytes);
    ASSERT_EQ(file.seriesCount, 1);
    EXPECT_EQ(file.markCount(1), (8196 - 7) / 5);
}

TEST(Parser, ASeriesStartNeedsSixBytes) {
    // An empty series closing the data has only five bytes from its series word on.
    const QByteArray bytes =
        InstrumentFileBuilder(1, 1).series(1, 0).endSeries().series(2, 0).endSeries().bytes();
    EXPECT_EQ(ParseBytes(bytes).seriesCount, 1);
    EXPECT_EQ(ParseBytes(bytes + '\0').seriesCount, 2);
}

TEST(Parser, ManySmallSeriesFillTheBufferWithoutOverrun) {
    InstrumentFileBuilder builder(1, 1);
    for (int s = 0; s < 1700; ++s)
        builder.series(static_cast<uint16_t>(s), 0).endSeries();
    const InstrumentFile file = ParseBytes(builder.bytes());
    EXPECT_EQ(file.seriesCount, (8196 - 4) / 5);
    EXPECT_EQ(file.seriesNumbers[file.seriesCount], file.seriesCount - 1);
}

TEST(Parser, ANewFileReplacesEverySeriesOfTheOld) {
    InstrumentFile file = ParseBytes(InstrumentFileBuilder(1, 1)
                                         .series(1, 0)
                                         .endSeries()
                                         .series(2, 0)
                                         .endSeries()
                                         .series(3, 0)
                                         .endSeries()
                                         .endFile()
                                         .bytes());
    ASSERT_EQ(file.seriesCount, 3);
    ParseInstrumentData(InstrumentFileBuilder(9, 8).series(5, 1).mark(1, 1, 1, 1, 1).endSeries().bytes(),
                        file);
    EXPECT_EQ(file.deviceNumber, 9);
    ASSERT_EQ(file.seriesCount, 1);
    EXPECT_EQ(file.seriesNumbers[1], 5);
    EXPECT_EQ(file.markCount(1), 1);
}

} // namespace
