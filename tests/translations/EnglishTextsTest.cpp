// With the English catalogue installed the texts read in English; Russian again brings back the texts as
// written, and Qt's own catalogue follows the same choice.

#include "app/program/Translations.h"
#include "app/window/SeriesListWindow.h"
#include "graph/GraphPaint.h"
#include "graph/TimeLabels.h"
#include "print/ReportTexts.h"
#include "store/InstrumentFile.h"
#include "store/MeasurementTexts.h"
#include "store/SeriesEvaluation.h"
#include "store/SeriesList.h"
#include "table/TableColumns.h"

#include <QCoreApplication>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

class English : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InstallTranslations(QStringLiteral("en"))); }
    // The other tests of the program expect the Russian texts.
    void TearDown() override { InstallTranslations(QStringLiteral("ru")); }
};

} // namespace

TEST_F(English, SeriesListWindowTitles) {
    SeriesListWindow window;
    const QTreeWidget* list = window.findChild<QTreeWidget*>(QStringLiteral("LVser"));
    ASSERT_NE(list, nullptr);
    QStringList titles;
    for (int c = 0; c < list->columnCount(); ++c)
        titles << list->headerItem()->text(c);
    EXPECT_EQ(titles,
              QStringList({"No.", "Series", "Start of measurements", "End of measurements", "Activity"}));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Choice of series"));
    EXPECT_FALSE(HasCyrillic(titles.join(QString()) + window.windowTitle()));
}

TEST_F(English, FileMessage) {
    const QString message = OpenInstrumentFile(QStringLiteral("/nonexistent-radview/data/x.rad")).message();
    EXPECT_EQ(message, QStringLiteral("Could not open the file “/nonexistent-radview/data/x.rad”: the folder "
                                      "“/nonexistent-radview/data” does not exist"));
    EXPECT_FALSE(HasCyrillic(message));
}

TEST_F(English, TimeAxisMonthsAndDates) {
    const LabelTime fifthOfMarch{2024, 3, 5, 14, 0, 0};
    EXPECT_EQ(LabelText(fifthOfMarch, Days).line1, QStringLiteral("Mar 5"));
    EXPECT_EQ(LabelText(fifthOfMarch, Months).line1, QStringLiteral("Mar"));
    EXPECT_EQ(TimeTitle(Days), QStringLiteral("time,  (month day)"));
}

// The saved table is read by other programs: its texts stay Russian while their shown twins translate.
TEST_F(English, TheSavedTableKeepsItsRussianBesideTheShownTexts) {
    const TimeMark mark{3, 5, 14, 0, 7};
    EXPECT_EQ(MarkToText(mark), QStringLiteral(" 5 мар 14:00:07"));
    EXPECT_EQ(ShownMarkText(mark), QStringLiteral(" 5 Mar 14:00:07"));
    EXPECT_EQ(ShownMonthName(13), QStringLiteral("???"));
    EXPECT_EQ(TableTitles()[ColumnStart], QStringLiteral("Время начала"));
    EXPECT_EQ(ShownTableTitles(ActivityUnit::PicocuriePerLitre)[ColumnActivity],
              QStringLiteral("Activity, pCi/L"));
    EXPECT_EQ(SensitivityText(250), QStringLiteral("2.50 * 10-5 Бк-1 * м3 * c-1"));
    EXPECT_EQ(ShownSensitivityText(250), QStringLiteral("2.50 * 10-5 Bq-1 * m3 * s-1"));
    EXPECT_EQ(SeriesTitleText(QStringLiteral("/data/a%2.rad"), 7), QStringLiteral("Файл a%2.rad; Серия N 7"));
    EXPECT_EQ(ShownSeriesTitleText(QStringLiteral("/data/a%2.rad"), 7),
              QStringLiteral("File a%2.rad; Series No. 7"));
}

TEST_F(English, GraphAndStatusTexts) {
    EXPECT_EQ(ActivityTitleIn(ActivityUnit::BecquerelPerCubicMetre), QStringLiteral("Activity Bq/m³"));
    EXPECT_EQ(ActivityTitleIn(ActivityUnit::PicocuriePerLitre), QStringLiteral("Activity pCi/L"));
    EXPECT_EQ(FirstVisibleText(), QStringLiteral("This is the first measurement in view "));
    EXPECT_EQ(ClockWentBackNote(), QStringLiteral("the instrument clock went backwards"));
    EXPECT_EQ(DurationText(-(26 * 3600)), QStringLiteral("-1 d 2 h"));
}

TEST(Language, SwitchingReplacesBothCatalogues) {
    // Qt's own Cancel button, as its dialogs and message boxes show it.
    const auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    ASSERT_TRUE(InstallTranslations(QStringLiteral("en")));
    EXPECT_EQ(qtCancel(), QStringLiteral("Cancel"));
    EXPECT_EQ(LabelText({2024, 3, 5, 0, 0, 0}, Days).line1, QStringLiteral("Mar 5"));
    ASSERT_TRUE(InstallTranslations(QStringLiteral("ru")));
    EXPECT_EQ(qtCancel(), QStringLiteral("Отмена"));
    EXPECT_EQ(LabelText({2024, 3, 5, 0, 0, 0}, Days).line1, QStringLiteral("5 мар"));
    EXPECT_EQ(SeriesListWindow().windowTitle(), QStringLiteral("Выбор серии"));
}
