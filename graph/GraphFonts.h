#pragma once

#include <QFont>

// The rotated activity title: Arial bold whose character cell is 12 pixels high.
QFont ActivityTitleFont();

// Scale and time labels and the time title: Arial 9 points bold, drawn at the screen's 96 dpi.
QFont LabelFont();

// Arial, or its metric twin, at a size in points: the printed pages' face.
QFont PrintArial(int points, bool bold);

// A printed graph's texts: bold, 12 points.
QFont PageFont();

// A printed graph's rotated caption: one sixth of an inch high at the page's horizontal resolution.
QFont PageCaptionFont(int dpiX);
