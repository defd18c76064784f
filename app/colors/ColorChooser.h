#pragma once

#include <QColor>

#include <optional>

class QWidget;

// The system colour chooser, modal. Tests answer in its place.
class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<QColor> choose(QWidget* parent, const QColor& initial) = 0;
};

class QtColorChooser : public ColorChooser {
public:
    std::optional<QColor> choose(QWidget* parent, const QColor& initial) override;
};
