#pragma once

#include <QString>
#include <QStringList>

// Starts another program and forgets it. Tests record what would be started instead.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // The folders a program given by its bare name is looked for in, in order.
    virtual QStringList searchFolders() const = 0;
    virtual void startHidden(const QString& program) = 0;
};

// Qt's process start; programs are looked for beside the viewer and then along PATH, as a system's own
// search for programs goes.
class DetachedLauncher : public ProgramLauncher {
public:
    QStringList searchFolders() const override;
    void startHidden(const QString& program) override;
};

// Where a program was looked for and the path it was found at (empty when it was not).
struct ProgramSearch {
    QString found;
    QStringList folders;
};
ProgramSearch FindProgram(const QString& name, const QStringList& folders);

// What status panel 1 says when the instrument-link program is nowhere to be found.
QString ProgramMissingText(const QString& name, const QStringList& folders);
