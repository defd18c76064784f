#pragma once

#include <QString>

// The cause of a failed file operation in the words of the program's interface: a Russian phrase for every
// cause a read or a write can meet, and for any other the error's number after a Russian lead-in, never the
// system's English. Lower case, without a final point, so that it can follow "…: ".
QString SystemErrorText(int errorNumber);

// The phrase for a target that exists but is no regular file (a folder, a FIFO, a device).
QString NotARegularFileText();

// The phrases of a save the kernel refused as it would refuse the shell's `>`: a file the user may not
// write, a symbolic link it may not follow; and of a replaced file whose owner could not be kept.
QString NoWritePermissionText();
QString ProtectedLinkText();
QString OwnerNotKeptText();

// As SystemErrorText, for an error that came from the folder a file is saved in: it names the folder.
QString FolderErrorText(int errorNumber, const QString& folder);

// As SystemErrorText, for an error met on path: a missing folder is told apart from a missing file.
QString PathErrorText(int errorNumber, const QString& path);
