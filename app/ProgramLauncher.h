#pragma once

#include <QString>

// Starts another program and forgets it. Tests record what would be started instead.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void startHidden(const QString& program) = 0;
};

class DetachedLauncher : public ProgramLauncher {
public:
    void startHidden(const QString& program) override;
};
