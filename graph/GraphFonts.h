#pragma once

#include <QFont>

// The rotated activity title: Arial bold whose character cell is 12 pixels high.
QFont ActivityTitleFont();

// Scale and time labels and the time title: Arial 9 points bold, drawn at the screen's 96 dpi.
QFont LabelFont();
