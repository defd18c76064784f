#pragma once

#include <QList>

class QObject;
class QWidget;

// The commands of a window are its menu items (separators and submenu headings included) and its speed
// buttons, as QActions and QToolButtons. Each keeps its design-time enabled state as 0 or 1 in the dynamic
// property "Tag", written once after the window is built.
void RecordTags(const QList<QObject*>& commands);

// Every command back to its design-time state.
void RestoreTags(const QList<QObject*>& commands);

// Every disabled command becomes enabled.
void EnableAll(const QList<QObject*>& commands);

int TagOf(const QObject* command);

// Empties every label of the window whose background is exactly white: those are the value labels, while
// caption labels keep their text.
void ClearValueLabels(QWidget* window);

// A label shown as a value: white, with a background of its own.
bool IsValueLabel(const QWidget* widget);
