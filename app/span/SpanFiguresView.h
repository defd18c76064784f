#pragma once

#include "app/span/SpanFigureTexts.h"

#include <QStaticText>
#include <QWidget>

#include <vector>

// The figures of a span as two columns, names and values, redrawn live while the mouse drags the span. Each
// text is laid out once, when it changes, and a change repaints only the values that changed; the columns
// widen when a text needs it and never narrow, so the panel neither jumps nor is laid out again as the
// mouse moves.
class SpanFiguresView : public QWidget {
public:
    explicit SpanFiguresView(QWidget* parent = nullptr);

    void setRows(const std::vector<SpanFigureRow>& rows);
    // The text shown in row i: "name:" (a note without its colon) and the value.
    QString nameText(std::size_t i) const { return cells_.at(i).name.text(); }
    QString valueText(std::size_t i) const { return cells_.at(i).value.text(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Cells {
        QStaticText name;
        QStaticText value;
    };
    QRect valueRect(std::size_t i) const;

    std::vector<Cells> cells_;
    int nameWidth_ = 0;
    int valueWidth_ = 0;
};
