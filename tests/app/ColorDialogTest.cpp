// The colour settings: defaults, choosing through the system chooser, restoring, closing.

#include "tests/app/GuiFixture.h"

#include "app/PaintBox.h"
#include "app/colors/ColorScheme.h"
#include "app/colors/Shape.h"
#include "app/colors/colorDL.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QColor kWhite(255, 255, 255), kGrey(128, 128, 128), kBlue(0, 0, 255), kGreen(0, 255, 0),
    kTeal(0, 128, 128);

std::vector<QColor> Swatches(const TFormColorDialog& d) {
    return {d.ShapeF->brushColor(),  d.ShapeO->brushColor(), d.ShapeG->brushColor(),
            d.ShapeSh->brushColor(), d.ShapeU->brushColor(), d.ShapeSet->brushColor()};
}

const std::vector<QColor> kDefaults = {kWhite, kGrey, kBlue, kBlue, kGreen, kTeal};

} // namespace

class ColorDialogTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        colours = program->FormColorDialog;
    }
    void choose(int item) { colours->RadioItems->button(item)->click(); }

    TFormColorDialog* colours = nullptr;
};

TEST_F(ColorDialogTest, DialogIsBuiltAsDesigned) {
    EXPECT_EQ(colours->windowTitle(), QStringLiteral("Выбор цветов"));
    EXPECT_EQ(colours->size(), QSize(277, 281));
    EXPECT_EQ(colours->minimumSize(), colours->maximumSize());
    EXPECT_FALSE(colours->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(colours->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(colours->RadioGroup1->title(), QStringLiteral("Настройте цвета"));
    EXPECT_EQ(colours->RadioGroup1->geometry(), QRect(5, 6, 132, 208));
    const QStringList captions = {"Цвет фона",     "Цвет осей",      "Цвет графика",
                                  "Цвет надписей", "Цвет указателя", "Цвет сетки "};
    for (int i = 0; i < SchemeSize; ++i) {
        EXPECT_EQ(colours->RadioItems->button(i)->text(), captions[i]);
        EXPECT_FALSE(colours->RadioItems->button(i)->isChecked());
    }
    const TShape* shapes[] = {colours->ShapeF,  colours->ShapeO, colours->ShapeG,
                              colours->ShapeSh, colours->ShapeU, colours->ShapeSet};
    for (int i = 0; i < SchemeSize; ++i)
        EXPECT_EQ(shapes[i]->geometry(), QRect(148, 20 + 31 * i, 72, 27));
    EXPECT_EQ(colours->OKBtn->geometry(), QRect(13, 243, 68, 27));
    EXPECT_TRUE(colours->OKBtn->isDefault());
    EXPECT_EQ(colours->BitBtn1->geometry(), QRect(94, 243, 171, 27));
    EXPECT_EQ(colours->BitBtn1->text(), QStringLiteral("Цвета по умолчанию"));
    EXPECT_FALSE(colours->BitBtn1->icon().isNull());
}

TEST_F(ColorDialogTest, StartsWithTheDefaultColours) {
    EXPECT_EQ(Swatches(*colours), kDefaults);
    const ColorScheme scheme = colours->Scheme();
    EXPECT_EQ(scheme.background, kWhite);
    EXPECT_EQ(scheme.axes, kGrey);
    EXPECT_EQ(scheme.graph, kBlue);
    EXPECT_EQ(scheme.captions, kBlue);
    EXPECT_EQ(scheme.pointer, kGreen);
    EXPECT_EQ(scheme.grid, kTeal);
}

TEST_F(ColorDialogTest, ColourButtonShowsTheDialogWithoutBlockingAndFocusesOk) {
    openThroughDialog(writeFile("one.rad", OneSeriesFile()));
    form->SBColor->click();
    EXPECT_TRUE(colours->isVisible());
    EXPECT_FALSE(colours->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::setActiveWindow(colours);
    EXPECT_EQ(colours->focusWidget(), colours->OKBtn);
}

TEST_F(ColorDialogTest, ChoosingAnItemOpensTheChooserWithTheLastChosenColour) {
    chooser->answers = {QColor(10, 20, 30), QColor(40, 50, 60)};
    choose(2);
    ASSERT_EQ(chooser->openedWith.size(), 1u);
    EXPECT_EQ(chooser->openedWith[0], QColor(Qt::black));
    EXPECT_EQ(colours->ShapeG->brushColor(), QColor(10, 20, 30));

    choose(5);
    ASSERT_EQ(chooser->openedWith.size(), 2u);
    EXPECT_EQ(chooser->openedWith[1], QColor(10, 20, 30)); // not the grid colour of the item
    EXPECT_EQ(colours->ShapeSet->brushColor(), QColor(40, 50, 60));
    EXPECT_EQ(colours->Scheme().grid, QColor(40, 50, 60));
}

TEST_F(ColorDialogTest, CancellingTheChooserChangesNothing) {
    chooser->answers = {std::nullopt};
    choose(0);
    EXPECT_EQ(chooser->openedWith.size(), 1u);
    EXPECT_EQ(Swatches(*colours), kDefaults);
    EXPECT_EQ(colours->LastChosen(), QColor(Qt::black));
}

TEST_F(ColorDialogTest, SelectingTheSelectedItemAgainDoesNotOpenTheChooser) {
    chooser->answers = {QColor(1, 2, 3)};
    choose(1);
    choose(1);
    EXPECT_EQ(chooser->openedWith.size(), 1u);
}

TEST_F(ColorDialogTest, DefaultColoursRestoreAllSixWithoutRepaintingOrClosing) {
    RecordingGraph graph;
    form->SetGraphHooks(&graph);
    form->SBColor->setEnabled(true);
    form->SBColor->click();
    chooser->answers = {QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3)};
    choose(0);
    choose(3);
    choose(4);
    ASSERT_NE(Swatches(*colours), kDefaults);
    const int paintsBefore = graph.paints;

    colours->BitBtn1->click();

    EXPECT_EQ(Swatches(*colours), kDefaults);
    EXPECT_TRUE(colours->isVisible());
    EXPECT_EQ(graph.paints, paintsBefore);
    form->SetGraphHooks(nullptr);
}

TEST_F(ColorDialogTest, OkHidesTheDialogAndRepaintsTheGraphAtOnce) {
    RecordingGraph graph;
    form->SetGraphHooks(&graph);
    colours->show();
    const int paintsBefore = graph.paints;

    colours->OKBtn->click();

    EXPECT_FALSE(colours->isVisible());
    EXPECT_GT(graph.paints, paintsBefore);
    form->SetGraphHooks(nullptr);
}

TEST_F(ColorDialogTest, EscapeAndCloseRequestsDoNotCloseIt) {
    colours->show();
    colours->reject();
    EXPECT_TRUE(colours->isVisible());
    colours->close();
    EXPECT_TRUE(colours->isVisible());
}
