// The colour settings: defaults, choosing through the system chooser, restoring, closing.

#include "tests/app/GuiFixture.h"

#include "app/dialogs/colors/ColorDialog.h"
#include "app/dialogs/colors/ColorSwatch.h"
#include "app/window/GraphWidget.h"
#include "graph/ColorScheme.h"

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

std::vector<QColor> Swatches(const ColorDialog& d) {
    return {d.backgroundSwatch->brushColor(), d.axesSwatch->brushColor(),    d.graphSwatch->brushColor(),
            d.captionsSwatch->brushColor(),   d.pointerSwatch->brushColor(), d.gridSwatch->brushColor()};
}

const std::vector<QColor> kDefaults = {kWhite, kGrey, kBlue, kBlue, kGreen, kTeal};

} // namespace

class ColorDialogTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        colours = form->colorDialog();
    }
    void choose(int item) { colours->colorRoleButtons->button(item)->click(); }

    ColorDialog* colours = nullptr;
};

TEST_F(ColorDialogTest, DialogIsBuiltAsDesigned) {
    EXPECT_EQ(colours->windowTitle(), QStringLiteral("Выбор цветов"));
    EXPECT_EQ(colours->size(), QSize(277, 281));
    EXPECT_EQ(colours->minimumSize(), colours->maximumSize());
    EXPECT_FALSE(colours->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(colours->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(colours->colorRoleGroup->title(), QStringLiteral("Настройте цвета"));
    EXPECT_EQ(colours->colorRoleGroup->geometry(), QRect(5, 6, 132, 208));
    const QStringList captions = {"Цвет фона",     "Цвет осей",      "Цвет графика",
                                  "Цвет надписей", "Цвет указателя", "Цвет сетки "};
    for (int i = 0; i < SchemeSize; ++i) {
        EXPECT_EQ(colours->colorRoleButtons->button(i)->text(), captions[i]);
        EXPECT_FALSE(colours->colorRoleButtons->button(i)->isChecked());
    }
    const ColorSwatch* shapes[] = {colours->backgroundSwatch, colours->axesSwatch,    colours->graphSwatch,
                                   colours->captionsSwatch,   colours->pointerSwatch, colours->gridSwatch};
    for (int i = 0; i < SchemeSize; ++i)
        EXPECT_EQ(shapes[i]->geometry(), QRect(148, 20 + 31 * i, 72, 27));
    EXPECT_EQ(colours->okButton->geometry(), QRect(13, 243, 68, 27));
    EXPECT_TRUE(colours->okButton->isDefault());
    EXPECT_EQ(colours->defaultColorsButton->geometry(), QRect(94, 243, 171, 27));
    EXPECT_EQ(colours->defaultColorsButton->text(), QStringLiteral("Цвета по умолчанию"));
    EXPECT_FALSE(colours->defaultColorsButton->icon().isNull());
}

TEST_F(ColorDialogTest, StartsWithTheDefaultColours) {
    EXPECT_EQ(Swatches(*colours), kDefaults);
    const ColorScheme scheme = colours->scheme();
    EXPECT_EQ(scheme.background, kWhite);
    EXPECT_EQ(scheme.axes, kGrey);
    EXPECT_EQ(scheme.graph, kBlue);
    EXPECT_EQ(scheme.captions, kBlue);
    EXPECT_EQ(scheme.pointer, kGreen);
    EXPECT_EQ(scheme.grid, kTeal);
}

TEST_F(ColorDialogTest, ColourButtonShowsTheDialogWithoutBlockingAndFocusesOk) {
    openThroughDialog(writeFile("one.rad", OneSeriesFile()));
    form->colorsButton->click();
    EXPECT_TRUE(colours->isVisible());
    EXPECT_FALSE(colours->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::setActiveWindow(colours);
    EXPECT_EQ(colours->focusWidget(), colours->okButton);
}

TEST_F(ColorDialogTest, ChoosingAnItemOpensTheChooserAtTheColourBeingChanged) {
    chooser->colorAnswers = {QColor(10, 20, 30), QColor(40, 50, 60)};
    choose(2);
    ASSERT_EQ(chooser->openedWith.size(), 1u);
    EXPECT_EQ(chooser->openedWith[0], kDefaults[2]);
    EXPECT_EQ(colours->graphSwatch->brushColor(), QColor(10, 20, 30));

    choose(5);
    ASSERT_EQ(chooser->openedWith.size(), 2u);
    EXPECT_EQ(chooser->openedWith[1], kDefaults[5]) << "the grid's colour, not the one chosen last";
    EXPECT_EQ(colours->gridSwatch->brushColor(), QColor(40, 50, 60));
    EXPECT_EQ(colours->scheme().grid, QColor(40, 50, 60));
}

TEST_F(ColorDialogTest, CancellingTheChooserChangesNothing) {
    chooser->colorAnswers = {std::nullopt};
    choose(0);
    EXPECT_EQ(chooser->openedWith.size(), 1u);
    EXPECT_EQ(Swatches(*colours), kDefaults);
}

TEST_F(ColorDialogTest, SelectingTheSelectedItemAgainDoesNotOpenTheChooser) {
    chooser->colorAnswers = {QColor(1, 2, 3)};
    choose(1);
    choose(1);
    EXPECT_EQ(chooser->openedWith.size(), 1u);
}

TEST_F(ColorDialogTest, DefaultColoursRestoreAllSixWithoutRepaintingOrClosing) {
    PaintRecorder graph(form->graphWidget);
    form->commands.colors->setEnabled(true);
    form->colorsButton->click();
    chooser->colorAnswers = {QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3)};
    choose(0);
    choose(3);
    choose(4);
    ASSERT_NE(Swatches(*colours), kDefaults);
    const int paintsBefore = graph.paints;

    colours->defaultColorsButton->click();

    EXPECT_EQ(Swatches(*colours), kDefaults);
    EXPECT_TRUE(colours->isVisible());
    EXPECT_EQ(graph.paints, paintsBefore);
}

TEST_F(ColorDialogTest, OkHidesTheDialogAndRepaintsTheGraphAtOnce) {
    PaintRecorder graph(form->graphWidget);
    colours->show();
    const int paintsBefore = graph.paints;

    colours->okButton->click();

    EXPECT_FALSE(colours->isVisible());
    EXPECT_GT(graph.paints, paintsBefore);
}

TEST_F(ColorDialogTest, EscapeAndCloseRequestsDoNotCloseIt) {
    colours->show();
    colours->reject();
    EXPECT_TRUE(colours->isVisible());
    colours->close();
    EXPECT_TRUE(colours->isVisible());
}
