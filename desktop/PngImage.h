#pragma once

#include <QImage>
#include <QString>

// A PNG file (or resource) read as PNG and nothing else. Qt's ordinary reading first asks every image
// plugin whether it knows the file, which loads them all, the SVG one with its library among them: a cost
// every start paid for the window's icon and the toolbar's glyphs.
QImage ReadPng(const QString& path);
