#include "GraphView.h"

#include "Canvas.h"
#include "Navigation.h"
#include "Pointer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

constexpr int ZoomDotRadius = 2;

} // namespace

GraphView::GraphView(const MeasurementStore& store, QObject* parent)
    : QObject(parent), store_(store), colors_([] { return GraphColors{}; }),
      blank_(QGuiApplication::palette().color(QPalette::Window)) {
    view_.margins = MarginsForFontHeight(DefaultCanvasFontHeight);
}

GraphScene GraphView::Scene(const GraphColors& colors) const {
    return GraphScene{store_.selected, view_, colors, store_.NoSeriesChosen};
}

bool GraphView::SeriesShown() const {
    return store_.selected.MeasurementCount > 0;
}

void GraphView::paint(QPainter& painter, const QRegion& region, QSize areaSize) {
    // Whatever is drawn here is shown by this very paint; asking for another would only repeat it.
    if (Resize(areaSize) || (!fresh_ && region.contains(screen_.rect())))
        Render();
    fresh_ = false;
    for (const QRect& rect : region)
        painter.drawImage(rect, screen_, rect);
}

bool GraphView::Resize(QSize size) {
    if (size == screen_.size())
        return false;
    screen_ = QImage(size, QImage::Format_RGB32);
    screen_.fill(blank_);
    ::resizing(view_, store_.selected, size);
    return true;
}

void GraphView::resizing(QSize size) {
    if (Resize(size))
        GrPaint();
}

void GraphView::Render() {
    if (screen_.isNull())
        return;
    const GraphColors colors = colors_();
    Canvas canvas(screen_);
    ::GrPaint(canvas, Scene(colors), trace_);
}

void GraphView::GrPaint() {
    if (screen_.isNull())
        return;
    Render();
    fresh_ = true;
    emit areaChanged(screen_.rect());
}

void GraphView::DrawPointer() {
    if (!SeriesShown() || screen_.isNull())
        return;
    PointerMove move;
    {
        const GraphColors colors = colors_();
        Canvas canvas(screen_);
        move = ::DrawPointer(canvas, Scene(colors), trace_);
    }
    if (move.wholeArea) {
        fresh_ = true;
        emit areaChanged(screen_.rect());
        return;
    }
    emit areaChanged(move.oldColumn);
    emit areaChanged(move.newColumn);
}

void GraphView::DrawZoomDot(int x, int y) {
    if (screen_.isNull())
        return;
    {
        Canvas canvas(screen_);
        canvas.pen.color = MarkerColor;
        canvas.brushColor = MarkerColor;
        canvas.Ellipse(x - ZoomDotRadius, y - ZoomDotRadius, x + ZoomDotRadius, y + ZoomDotRadius);
    }
    emit areaChanged(QRect(x - ZoomDotRadius, y - ZoomDotRadius, 2 * ZoomDotRadius, 2 * ZoomDotRadius));
}

void GraphView::GetPos(int x, int y) {
    if (store_.NoSeriesChosen)
        return;
    emit statusMessage(QString::fromUtf8(BlankStatus));
    if (!SeriesShown())
        return;
    if (view_.ZoomMode == 1 || view_.ZoomMode == 2) {
        DrawZoomDot(x, y);
        if (ZoomClick(view_, store_.selected, screen_.size(), x)) {
            emit pointerMoved();
            GrPaint();
        }
        return;
    }
    if (x > screen_.width() - view_.margins.MarginRight)
        return;
    view_.PointerIndex = MeasurementAtX(view_, store_.selected, x);
    emit pointerMoved();
    DrawPointer();
}

bool GraphView::FormKeyDown(int qtKey, bool keypad) {
    const NavigationCommand command = NavigationKey(qtKey, keypad);
    if (command == NavigationCommand::None)
        return false;
    // While no series is chosen the picture is blank and holds no pointer to move.
    if (SeriesShown() && !store_.NoSeriesChosen) {
        const StatusChange status = RunNavigation(view_, command);
        if (status)
            emit statusMessage(*status);
        emit pointerMoved();
        DrawPointer();
    }
    return true;
}

void GraphView::Navigate(StatusChange (*command)(ViewWindow&)) {
    if (!SeriesShown())
        return;
    const StatusChange status = command(view_);
    if (status)
        emit statusMessage(*status);
    emit pointerMoved();
    DrawPointer();
}

void GraphView::SBToHomeClick() {
    Navigate(&::SBToHomeClick);
}
void GraphView::SBToLeftClick() {
    Navigate(&::SBToLeftClick);
}
void GraphView::SBToRightClick() {
    Navigate(&::SBToRightClick);
}
void GraphView::SBToEndClick() {
    Navigate(&::SBToEndClick);
}

void GraphView::ResetView() {
    if (!SeriesShown())
        return;
    ::ResetView(view_, store_.selected, screen_.size());
    GrPaint();
}

void GraphView::ChooseAxisSteps() {
    if (!SeriesShown())
        return;
    const ViewWindow before = view_;
    ::ChooseAxisSteps(view_, store_.selected);
    if (before.TimeUnit != view_.TimeUnit || before.TimeStep != view_.TimeStep ||
        before.ActivityStep != view_.ActivityStep)
        GrPaint();
}

void GraphView::SBMasGAClick() {
    if (!SeriesShown())
        return;
    ::SBMasGAClick(view_, store_.selected, screen_.size());
    GrPaint();
}

void GraphView::SBMasGSClick() {
    emit statusMessage(::SBMasGSClick(view_));
}

void GraphView::SBSetkaClick(bool down) {
    ::SBSetkaClick(view_, down);
    GrPaint();
}
