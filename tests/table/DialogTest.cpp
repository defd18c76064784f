#include "table/Dialog.h"

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

class RangeDialog : public ::testing::Test {
protected:
    TFormDialog dialog;
    QStringList errors;

    void SetUp() override {
        dialog.showError = [this](QWidget*, const QString& text) { errors.append(text); };
    }

    // Runs the dialog modally while `act` plays the user's part once it is shown.
    std::optional<MeasurementSpan> Run(const RangeContext& context, std::function<void()> act) {
        QTimer::singleShot(0, &dialog, [this, act] {
            act();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.Choose(context);
    }

    void Choose(int item) { dialog.RadioItems->button(item)->click(); }
};

const RangeContext kContext{40, 10, 21}; // 40 measurements, the graph shows 10 … 30

TEST_F(RangeDialog, LooksAsDesigned) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор диапазона"));
    EXPECT_EQ(dialog.RadioItems->button(0)->text(), QStringLiteral("Видимые на гистограмме измерения"));
    EXPECT_EQ(dialog.RadioItems->button(1)->text(), QStringLiteral("Весь диапазон"));
    EXPECT_EQ(dialog.RadioItems->button(2)->text(), QStringLiteral("Измерения от "));
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("до"));
    EXPECT_FALSE(dialog.Edit1->isEnabled());
    EXPECT_TRUE(dialog.BBOK->isDefault());
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

TEST_F(RangeDialog, TheWordBetweenTheFieldsStandsLevelWithTheirNumbers) {
    dialog.EdBeg->setRange(0, 40);
    dialog.EdBeg->setValue(1);
    dialog.EDEnd->setRange(0, 40);
    dialog.EDEnd->setValue(40);
    dialog.EdBeg->setEnabled(true);
    const QImage image = dialog.grab().toImage();
    const QRect field = dialog.EdBeg->geometry().translated(dialog.RadioGroup->pos());
    // Inside the frame, left of the arrows: the digit "1".
    const auto digits = InkRows(image, QRect(field.left() + 3, field.top() + 3, 20, field.height() - 6));
    // Left of where the second field begins.
    const QRect label = dialog.Edit1->geometry().translated(dialog.RadioGroup->pos());
    const auto word = InkRows(image, QRect(label.left(), label.top(), 17, label.height()));
    ASSERT_GE(digits.first, 0);
    ASSERT_GE(word.first, 0);
    // One line of text: "до" sits on the digits' baseline, its descender a little below.
    SCOPED_TRACE(testing::Message() << "digits " << digits.first << "-" << digits.second << ", word "
                                    << word.first << "-" << word.second);
    EXPECT_GE(word.first, digits.first);
    EXPECT_LE(word.second, digits.second + 3);
}

TEST_F(RangeDialog, WholeRangeIsTheChoiceOnShowing) {
    bool wholeChecked = false, fieldsDisabled = false;
    const auto span = Run(kContext, [&] {
        wholeChecked = dialog.RadioItems->checkedId() == 1;
        fieldsDisabled = !dialog.EdBeg->isEnabled() && !dialog.EDEnd->isEnabled();
        EXPECT_EQ(dialog.EdBeg->value(), 1);
        EXPECT_EQ(dialog.EDEnd->value(), 40);
        dialog.BBOK->click();
    });
    EXPECT_TRUE(wholeChecked);
    EXPECT_TRUE(fieldsDisabled);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 1);
    EXPECT_EQ(span->last, 40);
}

TEST_F(RangeDialog, VisibleMeasurementsOfAZoomedView) {
    const auto span = Run(kContext, [&] {
        Choose(0);
        dialog.BBOK->click();
    });
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 10);
    EXPECT_EQ(span->last, 30);
}

TEST_F(RangeDialog, TypedSpanBoundsTheSecondFieldByTheFirst) {
    bool endEnabled = false, endFocused = false;
    int endMinimum = -1;
    bool disabledAgain = false;
    const auto span = Run(kContext, [&] {
        QApplication::setActiveWindow(&dialog);
        Choose(2);
        EXPECT_TRUE(dialog.EdBeg->isEnabled());
        EXPECT_FALSE(dialog.EDEnd->isEnabled());
        dialog.EdBeg->selectAll();
        QTest::keyClicks(dialog.EdBeg, QStringLiteral("3"));
        QTest::keyClick(dialog.EdBeg, Qt::Key_Tab); // leaving the field
        endEnabled = dialog.EDEnd->isEnabled();
        endFocused = dialog.EDEnd->hasFocus();
        endMinimum = dialog.EDEnd->minimum();
        Choose(0);
        disabledAgain = !dialog.EdBeg->isEnabled() && !dialog.EDEnd->isEnabled();
        Choose(2);
        dialog.EDEnd->setValue(7);
        dialog.BBOK->click();
    });
    EXPECT_TRUE(endEnabled);
    EXPECT_TRUE(endFocused);
    EXPECT_EQ(endMinimum, 3);
    EXPECT_TRUE(disabledAgain);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 3);
    EXPECT_EQ(span->last, 7);
}

TEST_F(RangeDialog, EnterInTheFirstFieldConfirmsWithoutLeavingIt) {
    bool endStillDisabled = false;
    const auto span = Run(kContext, [&] {
        QApplication::setActiveWindow(&dialog);
        Choose(2);
        dialog.EdBeg->selectAll();
        QTest::keyClicks(dialog.EdBeg, QStringLiteral("3"));
        endStillDisabled = !dialog.EDEnd->isEnabled();
        QTest::keyClick(dialog.EdBeg, Qt::Key_Return); // the default button, not a move to the next field
    });
    EXPECT_TRUE(endStillDisabled);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 3);
    EXPECT_EQ(span->last, 40);
    // The first field was never left, so the second keeps the lower bound it had.
    EXPECT_EQ(dialog.EDEnd->minimum(), 0);
}

TEST_F(RangeDialog, OkTakesTheNumbersTheFieldsShow) {
    bool stillOpen = false, clickedOpen = false;
    QString shownEnd;
    const auto span = Run(kContext, [&] {
        QApplication::setActiveWindow(&dialog);
        Choose(2);
        dialog.EdBeg->selectAll();
        QTest::keyClicks(dialog.EdBeg, QStringLiteral("10"));
        QTest::keyClick(dialog.EdBeg, Qt::Key_Tab); // the second field is now bounded below by 10
        QTest::keyClicks(dialog.EDEnd, QStringLiteral("5"));
        shownEnd = dialog.EDEnd->text();
        QTest::keyClick(dialog.EDEnd, Qt::Key_Return); // 10 … 5 as shown: reversed, refused
        stillOpen = dialog.isVisible();
        // A click on OK confirms what the field shows as well.
        QTest::mouseClick(dialog.BBOK, Qt::LeftButton);
        clickedOpen = dialog.isVisible();
        dialog.EDEnd->selectAll();
        QTest::keyClicks(dialog.EDEnd, QStringLiteral("15"));
        QTest::keyClick(dialog.EDEnd, Qt::Key_Return);
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

TEST_F(RangeDialog, CancelConfirmsNothing) {
    const auto span = Run(kContext, [&] {
        Choose(0);
        dialog.BBCancel->click();
    });
    EXPECT_FALSE(span);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(RangeDialog, ASpanOutsideTheSeriesIsRefusedAndTheDialogStays) {
    bool stillOpen = false;
    const auto span = Run(kContext, [&] {
        Choose(2);
        dialog.EdBeg->setValue(0);
        dialog.BBOK->click();
        stillOpen = dialog.isVisible();
        dialog.EdBeg->setValue(5);
        dialog.EdBegExit();
        dialog.BBOK->click();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("40")));
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 5);
    EXPECT_EQ(span->last, 40);
}

} // namespace
