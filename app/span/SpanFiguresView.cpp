#include "app/span/SpanFiguresView.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int ColumnGap = 12;

// Sets the text when it differs; answers whether it did.
bool Change(QStaticText& cell, const QString& text) {
    if (cell.text() == text)
        return false;
    cell.setText(text);
    cell.setTextFormat(Qt::PlainText);
    return true;
}

} // namespace

SpanFiguresView::SpanFiguresView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SpanFigures"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SpanFiguresView::setRows(const std::vector<SpanFigureRow>& rows) {
    const bool newRows = rows.size() != cells_.size();
    cells_.resize(rows.size());
    const QFontMetrics metrics = fontMetrics();
    QRegion changed;
    bool wider = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // A note without a value is a sentence of its own, without the colon of a name.
        const QString name = rows[i].value.isEmpty() ? rows[i].name : rows[i].name + QLatin1Char(':');
        if (Change(cells_[i].name, name)) {
            changed += rect();
            const int width = metrics.horizontalAdvance(name);
            wider |= width > nameWidth_;
            nameWidth_ = std::max(nameWidth_, width);
        }
        if (Change(cells_[i].value, rows[i].value)) {
            const int width = metrics.horizontalAdvance(rows[i].value);
            wider |= width > valueWidth_;
            valueWidth_ = std::max(valueWidth_, width);
            changed += valueRect(i);
        }
    }
    if (newRows || wider) {
        updateGeometry();
        update();
        return;
    }
    update(changed);
}

QRect SpanFiguresView::valueRect(std::size_t i) const {
    const int line = fontMetrics().lineSpacing();
    return QRect(nameWidth_ + ColumnGap, static_cast<int>(i) * line, valueWidth_, line);
}

QSize SpanFiguresView::sizeHint() const {
    return QSize(nameWidth_ + ColumnGap + valueWidth_,
                 static_cast<int>(cells_.size()) * fontMetrics().lineSpacing());
}

void SpanFiguresView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int line = fontMetrics().lineSpacing();
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const int y = static_cast<int>(i) * line;
        if (!event->rect().intersects(QRect(0, y, width(), line)))
            continue;
        painter.drawStaticText(0, y, cells_[i].name);
        painter.drawStaticText(nameWidth_ + ColumnGap, y, cells_[i].value);
    }
}
