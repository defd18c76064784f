#pragma once

#include <QFont>
#include <QStringList>

// A font of the first wanted family this machine has, the others after it in order. Asking Qt for a family
// the machine lacks makes it search that family's fallbacks before it tries the next one, at every start, so
// only the installed ones are named; where none of them is installed the whole list goes to Qt, whose
// fallbacks then choose by the style hint.
QFont FontOfFamilies(const QStringList& wanted, QFont::StyleHint hint);
