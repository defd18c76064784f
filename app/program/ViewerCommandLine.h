#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line of the viewer, judged before the application object exists so that a refused one needs
// no display:
//   radview [FILE]
//   radview --help      (-h)
//   radview --version
// Qt's own options (-platform, -style, -display…) are passed over here and left to Qt.
struct ViewerCommandLine {
    enum class Request { Run, Help, Version, Refused };

    Request request = Request::Run;
    QString file;  // Run: the instrument file to open at start, as an absolute path; empty for none
    QString error; // Refused: what is wrong
};

// Reads the arguments that follow the program's name, each held as its bytes (see NativeArguments).
ViewerCommandLine ParseViewerCommandLine(const QStringList& arguments);

// Prints what a request other than Run asks for: the usage or the version on standard output, or what is
// wrong and the usage on standard error. Answers the exit status: 0, or 2 for a refused command line (and
// for an answer that could not be written).
int AnswerViewerCommandLine(const ViewerCommandLine& line);

extern const char* const ViewerUsage;
