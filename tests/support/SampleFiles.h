#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

struct SampleFile {
    QString name;
    QByteArray bytes;
};

// The instrument files shipped in samples/, made the same way every time: one series; several series,
// one of them with a bad mark and one with a single mark; a long series over weeks that crosses a new year.
std::vector<SampleFile> SampleFiles();

// A file that fills the whole 8196 bytes the reader looks at with one series of 1637 marks.
QByteArray FullSingleSeriesFile();
