#pragma once

#include <QIcon>

// The toolbar glyph of that name (":/glyphs/<name>.png", 16 × 16, and its 32 × 32 "@2x" drawing for dense
// screens). Nothing is read until the icon is first drawn, and then only the drawing the screen needs: a
// Qt icon given its files decodes them all at once, which cost every start-up some forty pictures.
QIcon GlyphIcon(const char* name);
