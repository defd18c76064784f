#include "tests/support/SampleFiles.h"

#include "tests/support/InstrumentFileBuilder.h"

#include <QtMath>

#include <algorithm>
#include <cstdint>

namespace {

// A small deterministic generator, so that the samples come out byte for byte the same everywhere.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    // Uniform in [−1, 1).
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    uint32_t state_;
};

// Indoor radon rises at night and falls by day; the instrument's interval is inversely proportional to
// the activity it sees.
struct RadonModel {
    double base;       // Bq/m³
    double dailySwing; // relative amplitude of the daily cycle
    uint16_t sensitivity;

    int intervalAt(const QDateTime& moment, Noise& noise) const {
        const double hour = moment.time().hour() + moment.time().minute() / 60.0;
        const double daily = 1.0 + dailySwing * std::cos(2.0 * M_PI * (hour - 5.0) / 24.0);
        const double activity = base * daily * (1.0 + 0.15 * noise.next());
        return std::max(1, qRound(1.28e9 / (sensitivity * activity)));
    }
};

// Appends count marks from moment on and answers where the next mark would fall.
QDateTime AppendMarks(InstrumentFileBuilder& file, QDateTime moment, int count, const RadonModel& model,
                      Noise& noise) {
    for (int i = 0; i < count; ++i) {
        file.mark(moment);
        moment = moment.addSecs(model.intervalAt(moment, noise));
    }
    return moment;
}

QDateTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

QByteArray OneSeries() {
    const RadonModel model{140.0, 0.35, 1250};
    Noise noise(17);
    InstrumentFileBuilder file(117, model.sensitivity);
    file.series(3, 25);
    AppendMarks(file, At(2025, 8, 4, 9, 12, 40), 61, model, noise);
    return file.endSeries().bytes();
}

QByteArray SeveralSeries() {
    const RadonModel basement{3200.0, 0.25, 250};
    Noise noise(29);
    InstrumentFileBuilder file(204, basement.sensitivity);
    file.series(11, 25);
    AppendMarks(file, At(2025, 3, 11, 10, 5, 0), 24, basement, noise);
    file.endSeries();

    // A series with one corrupted record between two good ones: its day reads 31 April.
    file.series(12, 25);
    const QDateTime resumed = AppendMarks(file, At(2025, 4, 29, 14, 30, 0), 9, basement, noise);
    file.mark(4, 31, resumed.time().hour(), resumed.time().minute(), 13);
    AppendMarks(file, resumed.addSecs(1500), 12, basement, noise);
    file.endSeries();

    // A run stopped right after it started.
    file.series(13, 25);
    file.mark(5, 6, 8, 0, 0);
    file.endSeries();

    file.series(14, 25);
    AppendMarks(file, At(2025, 5, 20, 16, 45, 30), 30, {2100.0, 0.3, basement.sensitivity}, noise);
    return file.endSeries().endFile().bytes();
}

QByteArray LongSeries() {
    const RadonModel model{210.0, 0.4, 1250};
    Noise noise(41);
    InstrumentFileBuilder file(117, model.sensitivity);
    file.series(27, 25);
    AppendMarks(file, At(2025, 12, 17, 11, 0, 15), 520, model, noise);
    return file.endSeries().endFile().bytes();
}

} // namespace

std::vector<SampleFile> SampleFiles() {
    return {{QStringLiteral("one-series.rad"), OneSeries()},
            {QStringLiteral("several-series.rad"), SeveralSeries()},
            {QStringLiteral("long-series.rad"), LongSeries()}};
}

QByteArray FullSingleSeriesFile() {
    const RadonModel model{600.0, 0.3, 1250};
    Noise noise(53);
    InstrumentFileBuilder file(117, model.sensitivity);
    file.series(1, 25);
    AppendMarks(file, At(2025, 10, 1, 0, 0, 0), 1637, model, noise);
    QByteArray bytes = file.endFile().bytes();
    bytes.append(QByteArray(8196 - bytes.size(), '\0'));
    return bytes;
}
