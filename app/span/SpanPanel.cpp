#include "app/span/SpanPanel.h"

#include "app/span/SpanFiguresView.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Gap = 6; // between the main window and the panel, and inside the panel

} // namespace

SpanPanel::SpanPanel(const QList<QAction*>& commands, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("SpanPanel"));
    setWindowTitle(tr("Выделенный участок"));
    // Shown beside the main window without taking its activation: the graph's keys stay with the window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Gap, Gap, Gap, Gap);
    figures_ = new SpanFiguresView;
    column->addWidget(figures_);
    auto* buttons = new QHBoxLayout;
    for (QAction* command : commands) {
        auto* button = new QToolButton;
        button->setDefaultAction(command);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    }
    column->addSpacing(Gap);
    column->addLayout(buttons);
    // The panel takes the size of its figures and buttons, which grows with a longer text and never shrinks.
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void SpanPanel::showRows(const std::vector<SpanFigureRow>& rows) {
    rows_ = rows;
    figures_->setRows(rows);
}

QString SpanPanel::valueOf(const QString& name) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].name == name)
            return figures_->valueText(i);
    return QString();
}

void SpanPanel::placeBeside(const QRect& ownerFrame, const QRect& graph, const QRect& available) {
    adjustSize();
    move(SpanPanelPlace(ownerFrame, graph, frameGeometry().size(), available));
}

QPoint SpanPanelPlace(const QRect& ownerFrame, const QRect& graph, QSize panel, const QRect& available) {
    // Right and bottom edges exclusive, so that widths add up.
    const int left = available.x(), top = available.y();
    const int right = left + available.width(), bottom = top + available.height();
    const int frameRight = ownerFrame.x() + ownerFrame.width();
    const int frameBottom = ownerFrame.y() + ownerFrame.height();
    const auto onScreen = [&](int x, int y) {
        return QPoint(std::clamp(x, left, std::max(left, right - panel.width())),
                      std::clamp(y, top, std::max(top, bottom - panel.height())));
    };
    if (frameRight + Gap + panel.width() <= right)
        return onScreen(frameRight + Gap, graph.top());
    if (ownerFrame.x() - Gap - panel.width() >= left)
        return onScreen(ownerFrame.x() - Gap - panel.width(), graph.top());
    if (frameBottom + Gap + panel.height() <= bottom)
        return onScreen(graph.x() + graph.width() - panel.width(), frameBottom + Gap);
    // No side has room: the roomier side of the screen, over as little of the window as it can.
    const bool toTheRight = right - frameRight >= ownerFrame.x() - left;
    return onScreen(toTheRight ? right : left, graph.top());
}
