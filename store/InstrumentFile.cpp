#include "InstrumentFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
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

bool EndFile(ParserState& state, FileHalf& file) {
    file.SeriesCount = static_cast<uint16_t>(state.s);
    return false;
}

void BeginSeries(FileHalf& file, int s, uint16_t word, uint8_t year) {
    file.SeriesNumbers.resize(s + 1);
    file.SeriesYears.resize(s + 1);
    file.SeriesMarks.resize(s + 1);
    file.SeriesNumbers[s] = static_cast<uint16_t>(word - 0x8000);
    file.SeriesYears[s] = year;
    file.SeriesMarks[s].clear();
}

// The reason in the words of the program's interface where it is a common one.
QString ReasonText(int error) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("файл не найден");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на чтение");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace

uint8_t BcdToByte(uint8_t byte) {
    return static_cast<uint8_t>((byte >> 4) * 10 + (byte & 0x0F));
}

bool ParseSeries(ParserState& state, FileHalf& file) {
    const uint8_t* const buf = state.data;
    int& p = state.p;
    // A series needs its word, its year and the first mark up to the hour byte.
    if (state.size - p < 6 || !StartsSeries(buf[p + 3]) || state.s >= MaxSeries)
        return EndFile(state, file);

    const auto word = static_cast<uint16_t>(buf[p] + 256 * buf[p + 1]);
    const uint8_t year = buf[p + 2];
    uint8_t a = buf[p + 3];
    uint8_t b = buf[p + 4];
    p += 5;
    ++state.s;
    BeginSeries(file, state.s, word, year);
    std::vector<TimeMark>& marks = file.SeriesMarks[state.s];

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
        mark.Month = MonthFromCode(a);
        mark.Day = BcdToByte(b);
        mark.Hour = BcdToByte(buf[p]);
        mark.Minute = BcdToByte(buf[p + 1]);
        mark.Second = BcdToByte(buf[p + 2]);
        p += 3;
        marks.push_back(mark);
    }
}

void ParseInstrumentData(const QByteArray& bytes, FileHalf& file) {
    const QByteArray data = bytes.left(MaxFileBytes);
    const auto* buf = reinterpret_cast<const uint8_t*>(data.constData());
    const auto at = [&](int i) { return i < data.size() ? buf[i] : uint8_t{0}; };
    file.DeviceNumber = static_cast<uint16_t>(at(0) + 256 * at(1));
    file.Sensitivity = static_cast<uint16_t>(at(2) + 256 * at(3));
    file.SeriesCount = 0;
    file.SeriesNumbers.assign(1, 0);
    file.SeriesYears.assign(1, 0);
    file.SeriesMarks.assign(1, {});

    ParserState state;
    state.data = buf;
    state.size = static_cast<int>(data.size());
    while (ParseSeries(state, file)) {
    }
}

FileReadResult ReadInstrumentFile(const QString& path) {
    FileReadResult result;
    const auto fail = [&](const QString& format, const QString& reason = QString()) {
        result.error = reason.isEmpty() ? format.arg(path) : format.arg(path, reason);
        result.bytes.clear();
        return result;
    };
    // Opened without blocking and checked on the open descriptor, so that a FIFO or a device put in the
    // file's place can never hold the program up.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QStringLiteral("Не удалось открыть файл «%1»: %2"), ReasonText(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("«%1» не является обычным файлом и не может быть прочитан."));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QStringLiteral("Не удалось открыть файл «%1»: %2"), file.errorString());
    }
    result.bytes = file.read(MaxFileBytes);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Не удалось прочитать файл «%1»: %2"), file.errorString());
    return result;
}
