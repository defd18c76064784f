#include "table/RangeDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

class RangeDialogTest : public ::testing::Test {
protected:
    RangeDialog dialog;
    QStringList errors;

    void SetUp() override {
        QObject::connect(&dialog, &RangeDialog::spanRefused,
                         [this](const QString& text) { errors.append(text); });
    }

    // Runs the dialog modally while `act` plays the user's part once it is shown.
    std::optional<MeasurementSpan> Run(const RangeContext& context, std::function<void()> act) {
        QTimer::singleShot(0, &dialog, [this, act] {
            act();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.choose(context);
    }

    void Choose(int item) { dialog.rangeChoices->button(item)->click(); }
};

const RangeContext kContext{40, 10, 21}; // 40 measurements, the graph shows 10 … 30

TEST_F(RangeDialogTest, LooksAsDesigned) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор диапазона"));
    EXPECT_EQ(dialog.rangeChoices->button(0)->text(), QStringLiteral("Видимые на гистограмме измерения"));
    EXPECT_EQ(dialog.rangeChoices->button(1)->text(), QStringLiteral("Весь диапазон"));
    EXPECT_EQ(dialog.rangeChoices->button(2)->text(), QStringLiteral("Измерения от "));
    EXPECT_EQ(dialog.toLabel->text(), QStringLiteral("до"));
    EXPECT_FALSE(dialog.toLabel->isEnabled());
    EXPECT_TRUE(dialog.okButton->isDefault());
}

// The rows of `area` (in the dialog) where ink darker than the area's lightest colour lies.
std::pair<int, int> InkRows(const QImage& image, const QRect& area) {
    int lightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            lightest = std::max(lightest, qGray(image.pixel(x, y)));
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < lightest - 60) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    return {top, bottom};
}

TEST_F(RangeDialogTest, TheWordBetweenTheFieldsStandsLevelWithTheirNumbers) {
    dialog.firstField->setRange(0, 40);
    dialog.firstField->setValue(1);
    dialog.lastField->setRange(0, 40);
    dialog.lastField->setValue(40);
    dialog.firstField->setEnabled(true);
    const QImage image = dialog.grab().toImage();
    const QRect field = dialog.firstField->geometry().translated(dialog.rangeGroup->pos());
    // Inside the frame, left of the arrows: the digit "1".
    const auto digits = InkRows(image, QRect(field.left() + 3, field.top() + 3, 20, field.height() - 6));
    // Left of where the second field begins.
    const QRect label = dialog.toLabel->geometry().translated(dialog.rangeGroup->pos());
    const auto word = InkRows(image, QRect(label.left(), label.top(), 17, label.height()));
    ASSERT_GE(digits.first, 0);
    ASSERT_GE(word.first, 0);
    // One line of text: "до" sits on the digits' baseline, its descender a little below.
    SCOPED_TRACE(testing::Message() << "digits " << digits.first << "-" << digits.second << ", word "
                                    << word.first << "-" << word.second);
    EXPECT_GE(word.first, digits.first);
    EXPECT_LE(word.second, digits.second + 3);
}

TEST_F(RangeDialogTest, WholeRangeIsTheChoiceOnShowing) {
    bool wholeChecked = false, fieldsDisabled = false;
    const auto span = Run(kContext, [&] {
        wholeChecked = dialog.rangeChoices->checkedId() == 1;
        fieldsDisabled = !dialog.firstField->isEnabled() && !dialog.lastField->isEnabled();
        EXPECT_EQ(dialog.firstField->value(), 1);
        EXPECT_EQ(dialog.lastField->value(), 40);
        dialog.okButton->click();
    });
    EXPECT_TRUE(wholeChecked);
    EXPECT_TRUE(fieldsDisabled);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 1);
    EXPECT_EQ(span->last, 40);
}

TEST_F(RangeDialogTest, VisibleMeasurementsOfAZoomedView) {
    const auto span = Run(kContext, [&] {
        Choose(0);
        dialog.okButton->click();
    });
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 10);
    EXPECT_EQ(span->last, 30);
}

TEST_F(RangeDialogTest, TypedSpanBoundsTheSecondFieldByTheFirst) {
    bool endEnabled = false, endFocused = false;
    int endMinimum = -1;
    bool disabledAgain = false;
    const auto span = Run(kContext, [&] {
        QApplication::setActiveWindow(&dialog);
        Choose(2);
        EXPECT_TRUE(dialog.firstField->isEnabled());
        EXPECT_FALSE(dialog.lastField->isEnabled());
        dialog.firstField->selectAll();
        QTest::keyClicks(dialog.firstField, QStringLiteral("3"));
        QTest::keyClick(dialog.firstField, Qt::Key_Tab); // leaving the field
        endEnabled = dialog.lastField->isEnabled();
        endFocused = dialog.lastField->hasFocus();
        endMinimum = dialog.lastField->minimum();
        Choose(0);
        disabledAgain = !dialog.firstField->isEnabled() && !dialog.lastField->isEnabled();
        Choose(2);
        dialog.lastField->setValue(7);
        dialog.okButton->click();
    });
    EXPECT_TRUE(endEnabled);
    EXPECT_TRUE(endFocused);
    EXPECT_EQ(endMinimum, 3);
    EXPECT_TRUE(disabledAgain);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 3);
    EXPECT_EQ(span->last, 7);
}

TEST_F(RangeDialogTest, EnterInTheFirstFieldConfirmsWithoutLeavingIt) {
    bool endStillDisabled = false;
    const auto span = Run(kContext, [&] {
        QApplication::setActiveWindow(&dialog);
        Choose(2);
        dialog.firstField->selectAll();
        QTest::keyClicks(dialog.firstField, QStringLiteral("3"));
        endStillDisabled = !dialog.lastField->isEnabled();
        QTest::keyClick(dialog.firstField,
                        Qt::Key_Return); // the default button, not a move to the next field
    });
    EXPECT_TRUE(endStillDisabled);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 3);
    EXPECT_EQ(span->last, 40);
    // The first field was never left, so the second keeps the lower bound it had.
    EXPECT_EQ(dialog.lastField->minimum(), 0);
}

TEST_F(RangeDialogTest, OkTakesTheNumbersTheFieldsShow) {
    bool stillOpen = false, clickedOpen = false;
    QString shownEnd;
    const auto span = Run(kContext, [&] {
        QApplication::setActiveWindow(&dialog);
        Choose(2);
        dialog.firstField->selectAll();
        QTest::keyClicks(dialog.firstField, QStringLiteral("10"));
        QTest::keyClick(dialog.firstField, Qt::Key_Tab); // the second field is now bounded below by 10
        QTest::keyClicks(dialog.lastField, QStringLiteral("5"));
        shownEnd = dialog.lastField->text();
        QTest::keyClick(dialog.lastField, Qt::Key_Return); // 10 … 5 as shown: reversed, refused
        stillOpen = dialog.isVisible();
        // A click on OK confirms what the field shows as well.
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        clickedOpen = dialog.isVisible();
        dialog.lastField->selectAll();
        QTest::keyClicks(dialog.lastField, QStringLiteral("15"));
        QTest::keyClick(dialog.lastField, Qt::Key_Return);
    });
    EXPECT_EQ(shownEnd, QStringLiteral("5"));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(clickedOpen);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0], SpanOutsideSeriesMessage(40));
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 10);
    EXPECT_EQ(span->last, 15);
}

TEST_F(RangeDialogTest, CancelConfirmsNothing) {
    const auto span = Run(kContext, [&] {
        Choose(0);
        dialog.cancelButton->click();
    });
    EXPECT_FALSE(span);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(RangeDialogTest, ASpanOutsideTheSeriesIsRefusedAndTheDialogStays) {
    bool stillOpen = false;
    const auto span = Run(kContext, [&] {
        Choose(2);
        dialog.firstField->setValue(0);
        dialog.okButton->click();
        stillOpen = dialog.isVisible();
        dialog.firstField->setValue(5);
        dialog.EdBegExit();
        dialog.okButton->click();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("40")));
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 5);
    EXPECT_EQ(span->last, 40);
}

} // namespace
