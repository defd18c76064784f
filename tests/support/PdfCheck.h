#pragma once

#include <QByteArray>

// Whether the bytes hold a whole PDF file as Qt's PDF engine writes it: the end-of-file mark at the very
// end, the cross-reference table where the trailer says it is, and every object that table lists standing
// at its offset. A file cut short, or one from which a piece went missing on the way to the disk, fails.
bool IsCompletePdf(const QByteArray& bytes);
