// radview-dump: prints an instrument file as JSON for scripts and bulk checks.
#include "DumpJson.h"
#include "InstrumentFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

int Fail(const QString& message) {
    std::fprintf(stderr, "radview-dump: %s\n", message.toUtf8().constData());
    return kUsageError;
}

bool LoadInstrumentFile(const QString& path, FileHalf& file, QString& error) {
    const FileReadResult read = ReadInstrumentFile(path);
    if (!read.ok()) {
        error = read.error;
        return false;
    }
    file.DataFileName = path;
    ParseInstrumentData(read.bytes, file);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-')))
        return Fail(QStringLiteral("usage: radview-dump FILE"));

    FileHalf file;
    QString error;
    if (!LoadInstrumentFile(args[0], file, error))
        return Fail(error);
    const QByteArray json = FileJsonText(file);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}
