#pragma once

#include <QByteArray>
#include <QString>

// The text followed by as many spaces as make it at least width characters long; never cut.
QString PadRight(const QString& text, int width);

// Recodes a whole line of the program's text to code page 866. Every character that the code page has
// gets its code there; "±", which it lacks, is spelled "+/-"; any other character becomes "?".
QByteArray ToCp866(const QString& text);
