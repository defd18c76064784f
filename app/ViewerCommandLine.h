#pragma once

#include <QString>
#include <QStringList>

// The command line of the viewer:
//   radview [FILE]
//   radview --help
//   radview --version
struct ViewerCommandLine {
    enum class Request { Run, Help, Version, Refused };

    Request request = Request::Run;
    QString file;  // Run: the instrument file to open at start, as an absolute path; empty for none
    QString error; // Refused: what is wrong
};

// Reads the arguments that follow the program's name.
ViewerCommandLine ParseViewerCommandLine(const QStringList& arguments);

// Prints what a request other than Run asks for: the usage or the version on standard output, or what is
// wrong and the usage on standard error. Answers the exit status: 0, or 2 for a refused command line (and
// for an answer that could not be written).
int AnswerViewerCommandLine(const ViewerCommandLine& line);

extern const char* const ViewerUsage;
