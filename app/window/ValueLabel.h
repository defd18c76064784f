#pragma once

#include <QFont>
#include <QLabel>

// A text as it is shown in a place of a given width: at the font's own size when it fits, else at the
// largest smaller pixel size that fits, and only below minimumPixels shortened in the middle. A number
// shown smaller still reads as itself; one cut at its ends would read as another number.
struct FittedText {
    QFont font;
    QString text;
    bool whole = true; // shown at the font's own size, uncut
};
FittedText FitText(const QString& text, const QFont& font, int width, int minimumPixels = 7);

// A value label of the information panel: the text fitted into the label's fixed width by FitText; when
// it had to be made smaller or shortened, the whole text is the label's tooltip.
class ValueLabel : public QLabel {
public:
    using QLabel::QLabel;

    // What the label paints.
    FittedText shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A caption of the information panel in its room up to the next control: at the window's font where it
// fits, else smaller, so that a wider font (DejaVu where Liberation is missing) never runs a caption under
// its value. A word-wrapped caption fits its longest word to the width.
class CaptionLabel : public QLabel {
public:
    using QLabel::QLabel;

    // What the caption paints; whole when it is the label's own font.
    FittedText shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
