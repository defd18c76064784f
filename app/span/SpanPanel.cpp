#include "app/span/SpanPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Gap = 6; // between the main window and the panel, and inside the panel

} // namespace

SpanPanel::SpanPanel(const QList<QAction*>& commands, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("SpanPanel"));
    setWindowTitle(QStringLiteral("Выделенный участок"));
    // Shown beside the main window without taking its activation: the graph's keys stay with the window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Gap, Gap, Gap, Gap);
    grid_ = new QGridLayout;
    grid_->setHorizontalSpacing(2 * Gap);
    grid_->setVerticalSpacing(1);
    column->addLayout(grid_);
    auto* buttons = new QHBoxLayout;
    for (QAction* command : commands) {
        auto* button = new QToolButton;
        button->setDefaultAction(command);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    }
    column->addSpacing(Gap);
    column->addLayout(buttons);
    // A new row count changes the height; the width grows with the longest text and never shrinks while
    // shown, so the panel does not flicker as the mouse moves.
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void SpanPanel::showRows(const std::vector<SpanFigureRow>& rows) {
    if (rows.size() != rows_.size()) {
        qDeleteAll(names_);
        qDeleteAll(values_);
        names_.clear();
        values_.clear();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            auto* name = new QLabel;
            auto* value = new QLabel;
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid_->addWidget(name, static_cast<int>(i), 0);
            grid_->addWidget(value, static_cast<int>(i), 1);
            names_.append(name);
            values_.append(value);
        }
    }
    rows_ = rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // A note without a value is a sentence of its own, without the colon of a name.
        names_[static_cast<qsizetype>(i)]->setText(rows[i].value.isEmpty() ? rows[i].name
                                                                           : rows[i].name + QLatin1Char(':'));
        values_[static_cast<qsizetype>(i)]->setText(rows[i].value);
    }
}

QString SpanPanel::valueOf(const QString& name) const {
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (static_cast<std::size_t>(i) < rows_.size() && rows_[static_cast<std::size_t>(i)].name == name)
            return values_[i]->text();
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
