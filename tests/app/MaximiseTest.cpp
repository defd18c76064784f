// The main window under a window manager: it can be maximised, the graph, the panel and the status bar
// follow, and restoring gives the design size again.

#include "tests/app/SeriesShownFixture.h"

#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "app/window/StatusPanels.h"
#include "graph/GraphPaint.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace {

using MaximiseTest = SeriesShownTest;

// Lets the platform's report of the window's new geometry arrive.
void SettleWidth(const QWidget* window, int width) {
    for (int round = 0; round < 100 && window->width() != width; ++round)
        QApplication::processEvents();
}

TEST_F(MaximiseTest, TheSizeHintsAllowAWindowManagerToMaximise) {
    // A window manager leaves maximise out for a window whose minimum and maximum size are equal.
    const QSize design = form->size();
    EXPECT_EQ(form->minimumSize(), design);
    EXPECT_GT(form->maximumWidth(), design.width());
    EXPECT_GT(form->maximumHeight(), design.height());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form->windowHandle()->maximumSize().width(), QWIDGETSIZE_MAX);
}

TEST_F(MaximiseTest, MaximisingWidensTheGraphThePanelAndTheStatusBarAndRestoringGoesBack) {
    const QSize design = form->size();
    const QRect available = form->screen()->availableGeometry();
    ASSERT_GT(available.width(), design.width()) << "the test screen is no larger than the window";
    const int viewMax = static_cast<int>(graph().view().viewMax);

    form->showMaximized();
    SettleWidth(form, available.width());
    QApplication::processEvents();
    ASSERT_TRUE(form->isMaximized());
    ASSERT_GT(form->width(), design.width());
    EXPECT_EQ(form->graphWidget->width(), form->width());
    EXPECT_GT(form->graphWidget->height(), 328);
    EXPECT_EQ(form->infoPanel->width(), form->width());
    EXPECT_EQ(form->statusPanels->width(), form->width());
    EXPECT_EQ(form->statusPanels->geometry().bottom(), form->height() - 1);
    // The graph is drawn for the new area: its frame reaches the new right edge; the view keeps its top.
    const QImage& picture = graph().screen();
    EXPECT_EQ(picture.size(), form->graphWidget->size());
    EXPECT_EQ(picture.pixelColor(picture.width() - 6 - 1, 6), QColor(128, 128, 128));
    EXPECT_EQ(graph().view().viewMax, viewMax);
    EXPECT_EQ(graph().pointerTrace().pointerX, PointerXFor(graph().view(), series(), 10));

    form->showNormal();
    SettleWidth(form, design.width());
    QApplication::processEvents();
    EXPECT_EQ(form->size(), design);
    EXPECT_EQ(form->graphWidget->size(), QSize(707, 328));
    EXPECT_EQ(graph().screen().size(), QSize(707, 328));
}

} // namespace
