// The vertical scale in pCi/L: steps round in pCi/L, labels with the decimals the step needs, at the rows
// their values in Bq/m³ take, and the title in the unit; read from a rendered screen image.

#include "graph/GraphRender.h"
#include "store/Extended.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"

#include <gtest/gtest.h>

namespace {

const QSize Size(707, 328);

QImage Render(const RenderOptions& options) {
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    Canvas canvas(image);
    RenderGraph(canvas, options);
    return image;
}

// One measurement of 50 Bq/m³ (1.28e9 / (250 × 102400)): the scale's top is 1,35 pCi/L, 135 hundredths,
// for which the steps' rule gives 20 hundredths; the labels 0,2 … 1,2, each with the step's one decimal,
// stand at 7,4 … 44,4 Bq/m³.
class UnitScaleTest : public testing::Test {
protected:
    UnitScaleTest() : series(SeriesFromExposures(Utc(2024, 5, 1, 8), {102400})) {}

    RenderOptions Options(ActivityUnit unit) const {
        RenderOptions options{series, RangeInView(series, 1, 1)};
        options.unit = unit;
        return options;
    }

    SelectedSeries series;
};

TEST_F(UnitScaleTest, LabelsAreRoundInPicocuriesAtTheirRows) {
    ASSERT_EQ(series.activity[1], 50);
    const RenderOptions options = Options(ActivityUnit::PicocuriePerLitre);
    const GraphLayout layout = LayoutGraph(Size, options);
    const QImage image = Render(options);
    const QImage inBecquerels = Render(Options(ActivityUnit::BecquerelPerCubicMetre));
    const QColor grid = options.colors.grid, background = options.colors.background;
    const int axisX = layout.leftMargin;
    const auto rowOf = [&](Extended becquerels) {
        return layout.axisY() -
               static_cast<int>(Round(becquerels * static_cast<Extended>(layout.activityScale)));
    };

    const ActivityMap map{layout.activityScale, layout.axisY()};
    const std::vector<ScaleLevel> levels =
        ScaleLevels(layout.view, map, PixelRounding::Nearest, ActivityUnit::PicocuriePerLitre);
    QStringList texts;
    for (const ScaleLevel& level : levels)
        texts << level.text;
    EXPECT_EQ(texts, (QStringList{"0,2", "0,4", "0,6", "0,8", "1,0", "1,2"}));

    for (int hundredths = 20; hundredths <= 120; hundredths += 20) {
        SCOPED_TRACE(hundredths);
        const int y = rowOf(static_cast<Extended>(hundredths) * 37 / 100);
        // The tick at the row, the label hanging below it and ending at the axis.
        EXPECT_TRUE(
            AllAre(image, QRect(QPoint(axisX - layout.tickLength + 1, y), QPoint(axisX - 1, y)), grid));
        EXPECT_GT(InkIn(image, QRect(QPoint(axisX - 40, y), QPoint(axisX - 1, y + 14)), grid, background),
                  10);
    }
    // The Bq/m³ scale's ticks (every 10 Bq/m³) are not there.
    EXPECT_TRUE(Is(inBecquerels, axisX - 2, rowOf(20), grid));
    EXPECT_TRUE(Is(image, axisX - 2, rowOf(20), background));

    // The rotated title runs up from the middle of the axis: "Активность " alike, the unit not.
    EXPECT_EQ(ActivityTitleIn(ActivityUnit::PicocuriePerLitre), QStringLiteral("Активность пКи/л"));
    const int middle = layout.axisY() / 2;
    EXPECT_EQ(image.copy(QRect(QPoint(5, middle - 50), QPoint(17, middle))),
              inBecquerels.copy(QRect(QPoint(5, middle - 50), QPoint(17, middle))));
    EXPECT_NE(image.copy(QRect(QPoint(5, 0), QPoint(17, middle - 80))),
              inBecquerels.copy(QRect(QPoint(5, 0), QPoint(17, middle - 80))));
}

TEST(PicocurieHundredthsText, OnlyTheDecimalsTheStepNeeds) {
    EXPECT_EQ(PicocurieHundredthsText(250, 1), QStringLiteral("2,5"));
    EXPECT_EQ(PicocurieHundredthsText(300, 0), QStringLiteral("3"));
    EXPECT_EQ(PicocurieHundredthsText(5, 2), QStringLiteral("0,05"));
    EXPECT_EQ(PicocurieHundredthsText(1500, 0), QStringLiteral("15"));
}

} // namespace
