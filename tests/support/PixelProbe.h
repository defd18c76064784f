#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

// Reading painted pictures at the coordinates the algorithms define.

inline QRgb Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0x00FFFFFFu;
}

inline bool Is(const QImage& image, int x, int y, const QColor& color) {
    return Rgb(image, x, y) == (color.rgb() & 0x00FFFFFFu);
}

// Every pixel of the rectangle has the colour.
inline bool AllAre(const QImage& image, const QRect& rect, const QColor& color) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (!Is(image, x, y, color))
                return false;
    return true;
}

// Pixels of antialiased text that are nearer the ink than the paper.
inline int InkIn(const QImage& image, const QRect& rect, const QColor& ink, const QColor& paper) {
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int toInk = std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                              std::abs(c.blue() - ink.blue());
            const int toPaper = std::abs(c.red() - paper.red()) + std::abs(c.green() - paper.green()) +
                                std::abs(c.blue() - paper.blue());
            count += toInk < toPaper;
        }
    }
    return count;
}

// The columns in which two pictures of one size differ.
inline std::vector<int> DifferingColumns(const QImage& a, const QImage& b) {
    std::vector<int> columns;
    for (int x = 0; x < a.width(); ++x) {
        for (int y = 0; y < a.height(); ++y) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}
