#include "store/InstrumentFile.h"

#include "store/NativePath.h"
#include "store/SystemErrorText.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint8_t kFileEnd = 0x8F;
constexpr uint8_t kSeriesEnd = 0xF8;

bool StartsSeries(uint8_t monthByte) {
    return (monthByte & 0xC0) == 0xC0;
}

uint8_t MonthFromCode(uint8_t monthByte) {
    const int code = monthByte & 0x3F;
    if (code >= 1 && code <= 9)
        return static_cast<uint8_t>(code);
    if (code >= 0x10 && code <= 0x12)
        return static_cast<uint8_t>(code - 6);
    return 0;
}

bool EndFile(ParserState& state, InstrumentFile& file) {
    file.seriesCount = static_cast<uint16_t>(state.series);
    return false;
}

void BeginSeries(InstrumentFile& file, int s, uint16_t word, uint8_t year) {
    file.seriesNumbers.resize(s + 1);
    file.seriesYears.resize(s + 1);
    file.seriesMarks.resize(s + 1);
    file.seriesNumbers[s] = static_cast<uint16_t>(word - 0x8000);
    file.seriesYears[s] = year;
    file.seriesMarks[s].clear();
}

// Reads up to limit bytes; answers 0, or the error number of a failed read.
int ReadUpTo(int fd, qsizetype limit, QByteArray& bytes) {
    bytes.resize(limit);
    qsizetype filled = 0;
    while (filled < limit) {
        const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<size_t>(limit - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            bytes.clear();
            return error;
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return 0;
}

} // namespace

uint8_t BcdToByte(uint8_t byte) {
    return static_cast<uint8_t>((byte >> 4) * 10 + (byte & 0x0F));
}

bool ParseSeries(ParserState& state, InstrumentFile& file) {
    const uint8_t* const buf = state.data;
    int& p = state.position;
    // A series needs its word, its year and the first mark up to the hour byte.
    if (state.size - p < 6 || !StartsSeries(buf[p + 3]) || state.series >= MaxSeries)
        return EndFile(state, file);

    const auto word = static_cast<uint16_t>(buf[p] + 256 * buf[p + 1]);
    const uint8_t year = buf[p + 2];
    uint8_t a = buf[p + 3];
    uint8_t b = buf[p + 4];
    p += 5;
    ++state.series;
    BeginSeries(file, state.series, word, year);
    std::vector<TimeMark>& marks = file.seriesMarks[state.series];

    for (;;) {
        if (!marks.empty()) {
            if (state.size - p < 3)
                return EndFile(state, file);
            a = buf[p];
            b = buf[p + 1];
            p += 2;
        }
        if (a == kFileEnd)
            return EndFile(state, file);
        if (b == kSeriesEnd)
            return true;
        // A record cut short by the end of the data, or one beyond the store's capacity, is dropped.
        if (state.size - p < 3 || static_cast<int>(marks.size()) >= MaxMarks)
            return EndFile(state, file);
        TimeMark mark;
        mark.month = MonthFromCode(a);
        mark.day = BcdToByte(b);
        mark.hour = BcdToByte(buf[p]);
        mark.minute = BcdToByte(buf[p + 1]);
        mark.second = BcdToByte(buf[p + 2]);
        p += 3;
        marks.push_back(mark);
    }
}

void ParseInstrumentData(const QByteArray& bytes, InstrumentFile& file) {
    const QByteArray data = bytes.left(MaxFileBytes);
    const auto* buf = reinterpret_cast<const uint8_t*>(data.constData());
    const auto at = [&](int i) { return i < data.size() ? buf[i] : uint8_t{0}; };
    file.deviceNumber = static_cast<uint16_t>(at(0) + 256 * at(1));
    file.sensitivity = static_cast<uint16_t>(at(2) + 256 * at(3));
    file.seriesCount = 0;
    file.seriesNumbers.assign(1, 0);
    file.seriesYears.assign(1, 0);
    file.seriesMarks.assign(1, {});

    ParserState state;
    state.data = buf;
    state.size = static_cast<int>(data.size());
    while (ParseSeries(state, file)) {
    }
}

InstrumentFile ParseInstrumentFile(const QByteArray& bytes, const QString& path) {
    InstrumentFile file;
    file.dataFileName = path;
    ParseInstrumentData(bytes, file);
    return file;
}

Result<InstrumentFile> OpenInstrumentFile(const QString& path) {
    const Result<QByteArray> read = ReadInstrumentFile(path);
    if (!read.ok())
        return Outcome::failure(read.message());
    return ParseInstrumentFile(read.value(), path);
}

Result<QByteArray> ReadInstrumentFile(const QString& path) {
    const auto fail = [](const QString& message) { return Result<QByteArray>(Outcome::failure(message)); };
    // Opened without blocking and checked on the open descriptor, so that a FIFO or a device put in the
    // file's place can never hold the program up.
    const QString shown = ShownPath(path);
    const int fd = ::open(NativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const QString reason = PathErrorText(errno, path);
        return fail(QCoreApplication::translate("InstrumentFile", "Не удалось открыть файл «%1»: %2")
                        .arg(shown, reason));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(QCoreApplication::translate("InstrumentFile",
                                                "«%1» не является обычным файлом и не может быть прочитан.")
                        .arg(shown));
    }
    QByteArray bytes;
    const int error = ReadUpTo(fd, MaxFileBytes, bytes);
    ::close(fd);
    if (error != 0)
        return fail(QCoreApplication::translate("InstrumentFile", "Не удалось прочитать файл «%1»: %2")
                        .arg(shown, SystemErrorText(error)));
    return bytes;
}

Result<QByteArray> ReadInstrumentStream(int fd, const QString& name) {
    QByteArray bytes;
    if (const int error = ReadUpTo(fd, MaxFileBytes, bytes); error != 0)
        return Outcome::failure(QCoreApplication::translate("InstrumentFile", "Не удалось прочитать %1: %2")
                                    .arg(name, SystemErrorText(error)));
    return bytes;
}
