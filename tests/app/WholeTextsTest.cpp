// Texts longer than their places are never cut into something that reads otherwise: the status bar keeps
// a long title's start and end, and a value label shows every digit of a large activity.

#include "tests/app/GuiFixture.h"

#include "app/dialogs/colors/ColorDialog.h"
#include "app/window/InfoPanel.h"
#include "table/MeasurementTableWindow.h"

#include "app/window/StatusPanels.h"
#include "app/window/ValueLabel.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QDateTime>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The first and last columns of the label's picture that hold ink (text darker than its white ground).
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST_F(GuiTest, ALongSeriesTitleKeepsItsEndInTheStatusBar) {
    const QString name = QStringLiteral("one_series_1200_marks_from_the_north_cellar.rad");
    openThroughDialog(writeFile(name, OneSeriesFile()));
    const QString title = QStringLiteral("Файл %1; Серия N 5").arg(name);
    EXPECT_EQ(panel(0), title);
    const QLabel* label = form->statusPanels->findChild<QLabel*>(QStringLiteral("Panel0"));
    ASSERT_NE(label, nullptr);
    const int room = label->maximumWidth() - 2 * label->frameWidth() - label->indent();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room) << label->text().toStdString();
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("Файл one_"))) << label->text().toStdString();
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("Серия N 5"))) << label->text().toStdString();
    EXPECT_TRUE(label->text().contains(QChar(0x2026))) << "a shortened text shows where it was shortened";
    EXPECT_EQ(label->toolTip(), title);

    form->setStatusText(0, QStringLiteral("Откройте файл для просмотра"));
    EXPECT_EQ(label->text(), QStringLiteral("Откройте файл для просмотра"));
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST_F(GuiTest, ATenDigitActivityShowsEveryDigitInThePanel) {
    // A sensitivity of 0.01 and marks one second apart: 1.28e9 Bq/m³.
    const QDateTime start(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC);
    openThroughDialog(writeFile("dense.rad", InstrumentFileBuilder::IntervalSeries(3, 1, start, {1, 1, 2})));
    const QString activity = QStringLiteral("1280000000±192000000");
    ASSERT_EQ(form->infoPanel->activityLabel->text(), activity);
    const auto* label = dynamic_cast<const ValueLabel*>(form->infoPanel->activityLabel);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->shown().text, activity) << "every digit is shown, smaller rather than cut";
    const auto [first, last] = InkColumns(form->infoPanel->activityLabel->grab().toImage());
    ASSERT_GE(first, 0);
    EXPECT_GT(first, 0) << "the text runs over the label's left edge";
    EXPECT_LT(last, form->infoPanel->activityLabel->width() - 1)
        << "the text runs over the label's right edge";
    EXPECT_EQ(form->infoPanel->activityLabel->toolTip(), activity);
    // A value that fits is shown at the window's size, without a tooltip.
    form->nextMeasurementButton->click();
    form->nextMeasurementButton->click();
    EXPECT_EQ(form->infoPanel->activityLabel->text(), QStringLiteral("640000000±96000000"));
    form->infoPanel->activityLabel->grab();
    form->infoPanel->measurementNumberLabel->grab();
    EXPECT_TRUE(dynamic_cast<const ValueLabel*>(form->infoPanel->measurementNumberLabel)->shown().whole);
}

TEST(FitText, ShrinksBeforeItShortens) {
    QFont font;
    font.setPixelSize(11);
    const QString digits = QStringLiteral("1280000000±192000000");
    const int natural = QFontMetrics(font).horizontalAdvance(digits);
    const FittedText same = FitText(digits, font, natural);
    EXPECT_TRUE(same.whole);
    EXPECT_EQ(same.font.pixelSize(), 11);
    const FittedText smaller = FitText(digits, font, natural * 3 / 4);
    EXPECT_FALSE(smaller.whole);
    EXPECT_EQ(smaller.text, digits);
    EXPECT_LT(smaller.font.pixelSize(), 11);
    EXPECT_LE(QFontMetrics(smaller.font).horizontalAdvance(digits), natural * 3 / 4);
    const FittedText cut = FitText(digits, font, natural / 4);
    EXPECT_TRUE(cut.text.contains(QChar(0x2026)));
    EXPECT_TRUE(cut.text.startsWith(QLatin1Char('1')));
}

} // namespace

namespace {

// Ink in the last column or row of a caption's picture: a text cut by its label's edge.
bool InkAtEdge(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(image.width() - 1, y)) < 128)
            return true;
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, image.height() - 1)) < 128)
            return true;
    return false;
}

// Every caption in its place with the window's font; ctest runs this again with DejaVu as the only font
// (CaptionsWithDejaVuOnly), wider than Liberation, and then says which font it expects.
TEST_F(GuiTest, EveryCaptionIsWholeInItsPlace) {
    if (const QString expected = qEnvironmentVariable("RADVIEW_EXPECT_FONT"); !expected.isEmpty()) {
        ASSERT_EQ(QFontInfo(form->font()).family(), expected);
    }
    QList<CaptionLabel*> captions;
    for (QLabel* label : form->infoPanel->findChildren<QLabel*>())
        if (auto* caption = dynamic_cast<CaptionLabel*>(label))
            captions << caption;
    ASSERT_EQ(captions.size(), 13);
    for (CaptionLabel* caption : captions) {
        SCOPED_TRACE(caption->text().toStdString());
        EXPECT_FALSE(InkAtEdge(caption->grab().toImage()));
        // Nothing of the panel starts inside it, but the raised exponent over its trailing blanks.
        for (const QWidget* other : form->infoPanel->findChildren<QWidget*>()) {
            const bool exponent = other->objectName() == QStringLiteral("Label7") ||
                                  other->objectName() == QStringLiteral("Label10");
            if (other != caption && !exponent && other->parent() == caption->parent()) {
                EXPECT_FALSE(caption->geometry().intersects(other->geometry()))
                    << other->objectName().toStdString();
            }
        }
    }
    // The averaging caption keeps both words, smaller if need be, in its two lines.
    const auto* average =
        dynamic_cast<const CaptionLabel*>(form->infoPanel->findChild<QLabel*>(QStringLiteral("Label2")));
    ASSERT_NE(average, nullptr);
    const QFontMetrics metrics(average->shown().font);
    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("Усредненное")), average->width());
    EXPECT_LE(2 * metrics.height(), average->height());
    // The table's column titles, "N изм." among them, whole in their columns.
    MeasurementTableWindow* table = form->tableWindow();
    table->show();
    const QHeaderView* header = table->grid->horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c)) << c;
    const QImage titles = const_cast<QHeaderView*>(header)->grab().toImage();
    for (int y = 0; y < titles.height(); ++y)
        EXPECT_GE(qGray(titles.pixel(0, y)), 128) << "the N of \"N изм.\" reaches the column's left edge";
    // The colour dialog's items and buttons hold their texts.
    for (const QRadioButton* item : form->colorDialog()->findChildren<QRadioButton*>())
        EXPECT_LE(item->sizeHint().width(), item->width()) << item->text().toStdString();
    for (const QPushButton* button : form->colorDialog()->findChildren<QPushButton*>()) {
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + icon + 8, button->width())
            << button->text().toStdString();
    }
}

} // namespace
