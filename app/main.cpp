// Placeholder entry until the main window exists: prints what it loads from a file.
#include "InstrumentFile.h"
#include "SeriesList.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 0;
    const FileReadResult read = ReadInstrumentFile(args[1]);
    if (!read.ok()) {
        out << read.error << Qt::endl;
        return 2;
    }
    FileHalf file;
    ParseInstrumentData(read.bytes, file);
    for (int s = 1; s <= file.SeriesCount; ++s) {
        for (const QString& cell : SeriesListRow(file, s))
            out << cell << " | ";
        out << Qt::endl;
    }
    return 0;
}
