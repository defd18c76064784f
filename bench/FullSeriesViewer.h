#pragma once

// The real program for the window benchmarks, with nobody to answer it (dialogs cancelled, messages unseen),
// and the largest file it reads (8196 bytes, one series of 1636 measurements) written to a folder of its own.

#include "app/program/Program.h"
#include "app/window/MainWindow.h"
#include "tests/support/SampleFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

class FullSeriesViewer {
public:
    FullSeriesViewer() : path_(dir_.filePath(QStringLiteral("full.rad"))) {
        QFile file(path_);
        file.open(QIODevice::WriteOnly);
        file.write(FullSingleSeriesFile());
        file.close();
        ProgramServices services = QtServices();
        services.dialogs = std::make_unique<UnattendedDialogs>();
        program_ = CreateProgram(std::move(services));
    }

    MainWindow& window() { return *program_->mainWindow; }
    // Opens the file as the open command does; its one series is then shown.
    void openFullFile() { window().loadFile(path_); }
    // A file beside the instrument file, for what a benchmark writes.
    QString scratchPath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<Program> program_;
};
