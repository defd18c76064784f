#pragma once

#include <QString>

// What choosing table row k does while the graph shows ViewFirst … ViewFirst + ViewCount − 1: inside the
// visible range the pointer moves to it; outside, the row is refused and the pointer goes to the nearer end
// of the range with a message for the status bar.
struct RowSelection {
    bool accepted = false;
    int pointer = 0;
    QString message; // status panel 1: " " when accepted
};

// The messages are those of the pointer commands (FirstVisibleText, LastVisibleText).
RowSelection DecideRowSelection(int k, int viewFirst, int viewCount);
