#pragma once

#include <QStringList>

// The arguments after the program's name, each kept as the bytes given (see NativePath), so that a file
// name that is no UTF-8 still names its file.
QStringList NativeArguments(int argc, char** argv);

// Qt warns on standard error when XDG_RUNTIME_DIR is unset (a shell without a login session, a CI job)
// although it then uses a folder of its own: a line the user can do nothing about. Other messages pass.
void QuietenRuntimeFolderWarning();
