#pragma once

#include <QString>

// The cause of a failed file operation in the words of the program's interface: a Russian phrase for the
// common causes (missing folder, no permission, full disk, read-only file system, file too large); any other
// cause keeps the system's own wording after a Russian lead-in. Lower case, without a final point, so that
// it can follow "…: ".
QString SystemErrorText(int errorNumber);

// The phrase for a target that exists but is no regular file (a folder, a FIFO, a device).
QString NotARegularFileText();

// As SystemErrorText, for an error met on path: a missing folder is told apart from a missing file.
QString PathErrorText(int errorNumber, const QString& path);
