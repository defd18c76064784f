// The evaluation against a small model of its arithmetic written apart from it: exact integers and
// fractions on 128 bits, its own calendar, and the 80-bit rules spelled out step by step (each division or
// product rounded once to a 64-bit significand, halves to even; the result rounded once to an integer,
// halves to even). Random series from a fixed seed, with intervals chosen to land on exact halves, bad marks,
// clocks going back and new years, are evaluated both ways and must agree to the last unit.

#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace {

// GCC's and Clang's 128-bit integers; __extension__ keeps the pedantic warnings quiet about them.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

constexpr UWide kOne = 1;
constexpr UWide kSignificandLow = kOne << 63; // the smallest 64-bit significand
constexpr UWide kSignificandEnd = kOne << 64;

// ±significand × 2^exponent: a value of the 80-bit format.
struct Extended80 {
    bool negative = false;
    UWide significand = 0;
    int exponent = 0;
};

// num / den (den > 0) rounded once to a 64-bit significand, halves to the even significand. The quotients
// of the evaluation stay far below 2^64, which the model relies on.
Extended80 Divide(Wide num, Wide den) {
    Extended80 result;
    result.negative = num < 0;
    const UWide magnitude = num < 0 ? static_cast<UWide>(-num) : static_cast<UWide>(num);
    const auto divisor = static_cast<UWide>(den);
    UWide q = magnitude / divisor;
    UWide r = magnitude % divisor;
    if (q == 0 && r == 0)
        return result;
    EXPECT_LT(q, kSignificandEnd) << "a quotient beyond the model's range";
    // Long division, one bit at a time, until the significand has 64 bits.
    while (q < kSignificandLow) {
        r <<= 1;
        q <<= 1;
        if (r >= divisor) {
            r -= divisor;
            q |= 1;
        }
        --result.exponent;
    }
    const bool above = 2 * r > divisor;
    const bool half = 2 * r == divisor;
    if (above || (half && (q & 1) != 0)) {
        ++q;
        if (q == kSignificandEnd) {
            q >>= 1;
            ++result.exponent;
        }
    }
    result.significand = q;
    return result;
}

// The nearest integer, halves to the even one.
int64_t RoundToInteger(const Extended80& x) {
    UWide whole = 0;
    if (x.exponent >= 0) {
        whole = x.significand << x.exponent;
    } else {
        const int shift = -x.exponent;
        if (shift > 100)
            return 0;
        whole = x.significand >> shift;
        const UWide fraction = x.significand & ((kOne << shift) - 1);
        const UWide half = kOne << (shift - 1);
        if (fraction > half || (fraction == half && (whole & 1) != 0))
            ++whole;
    }
    const auto value = static_cast<int64_t>(whole);
    return x.negative ? -value : value;
}

int64_t RoundedQuotient(Wide num, Wide den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return RoundToInteger(Divide(num, den));
}

// The relative error 0.15 as the 80-bit constant nearest to it, and activity × that constant rounded as the
// program rounds it.
int64_t ModelError(int64_t activity) {
    static const Extended80 fifteenHundredths = Divide(3, 20);
    const Wide product = Wide{activity} * static_cast<Wide>(fifteenHundredths.significand);
    return RoundedQuotient(product, static_cast<Wide>(kOne << -fifteenHundredths.exponent));
}

// The model's own calendar.
bool Leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && Leap(year) ? 29 : lengths[month - 1];
}

bool Valid(const TimeMark& m, int year) {
    return m.month >= 1 && m.month <= 12 && m.day >= 1 && m.day <= MonthLength(year, m.month) &&
           m.hour < 24 && m.minute < 60 && m.second < 60;
}

// Seconds from 2000-01-01 00:00:00, counted day by day through the years and months before the mark.
int64_t Seconds(const TimeMark& m, int year) {
    int64_t days = 0;
    for (int y = 2000; y < year; ++y)
        days += Leap(y) ? 366 : 365;
    for (int month = 1; month < m.month; ++month)
        days += MonthLength(year, month);
    days += m.day - 1;
    return ((days * 24 + m.hour) * 60 + m.minute) * 60 + m.second;
}

struct ModelResult {
    bool refused = false;
    std::vector<int> badMarks;
    std::vector<int64_t> elapsed;
    std::vector<int64_t> activity;
    int64_t maxActivity = 0;
    int64_t equilibrium = 0;
    int year = 0;
};

// The evaluation as the program documents it: a new year begins at a mark whose month (1..12) is smaller than
// that of the last mark with a month; a mark that is not a date, or not a second after the last good mark, is
// bad and gets neither time nor activity; the next good measurement counts from the last good mark and takes
// the doubled factor, as does one going back in time.
ModelResult Model(const std::vector<TimeMark>& marks, int yearByte, uint16_t sensitivity) {
    ModelResult out;
    if (marks.size() < 2 || sensitivity == 0) {
        out.refused = true;
        return out;
    }
    int year = 2000 + yearByte;
    std::optional<int> lastMonth;
    const auto yearOf = [&](const TimeMark& m) {
        if (m.month >= 1 && m.month <= 12) {
            if (lastMonth && m.month < *lastMonth)
                ++year;
            lastMonth = m.month;
        }
        return year;
    };
    const int startYear = yearOf(marks[0]);
    if (!Valid(marks[0], startYear)) {
        out.refused = true;
        return out;
    }
    int64_t lastGood = Seconds(marks[0], startYear);
    bool previousGood = true;
    const int n = static_cast<int>(marks.size()) - 1;
    out.elapsed.assign(n + 1, 0);
    out.activity.assign(n + 2, 0);
    for (int k = 1; k <= n; ++k) {
        const int y = yearOf(marks[k]);
        out.elapsed[k] = out.elapsed[k - 1];
        const int64_t t = Valid(marks[k], y) ? Seconds(marks[k], y) : lastGood;
        const int64_t d = t - lastGood;
        if (!Valid(marks[k], y) || d == 0) {
            out.badMarks.push_back(k);
            previousGood = false;
            continue;
        }
        out.elapsed[k] += d;
        const Wide factor = previousGood && d > 0 ? 1280000000 : 2560000000;
        out.activity[k] = RoundedQuotient(factor, Wide{sensitivity} * d);
        lastGood = t;
        previousGood = true;
    }
    out.year = year;
    out.maxActivity = *std::max_element(out.activity.begin() + 1, out.activity.begin() + n + 1);
    const Wide exposure = Wide{sensitivity} * out.elapsed[n];
    out.equilibrium = exposure == 0 ? 0 : RoundedQuotient(Wide{n} * 640000000, exposure);
    return out;
}

int64_t ModelAverage(const ModelResult& model, uint16_t sensitivity, int first, int last) {
    const Wide exposure = Wide{sensitivity} * (model.elapsed[last] - model.elapsed[first - 1]);
    return RoundedQuotient(Wide{last - first + 1} * 1280000000, exposure);
}

// Random series: a walk through the calendar with steps of every size, and now and then a repeated time, a
// clock set back, a mark that names no date, or a step whose activity lands exactly on a half.
class SeriesMaker {
public:
    explicit SeriesMaker(uint64_t seed) : random_(seed) {}

    uint16_t sensitivity() {
        switch (pick(6)) {
        case 0:
            return 1;
        case 1:
            return 250;
        case 2: // powers of 2 and 5, so that the quotients are often exact halves
            return static_cast<uint16_t>((1 << pick(8)) * Power5(pick(4)));
        case 3:
            return static_cast<uint16_t>(65535 - pick(3));
        default:
            return static_cast<uint16_t>(1 + pick(65535));
        }
    }

    int yearByte() { return pick(4) == 0 ? 99 + pick(3) : pick(256); }

    std::vector<TimeMark> marks(int count, int startYear) {
        std::vector<TimeMark> out;
        int year = startYear;
        int month = 1 + pick(12);
        int64_t second = pick(MonthLength(year, month) * 86400);
        for (int i = 0; i < count; ++i) {
            TimeMark m;
            m.month = static_cast<uint8_t>(month);
            m.day = static_cast<uint8_t>(1 + second / 86400);
            m.hour = static_cast<uint8_t>(second / 3600 % 24);
            m.minute = static_cast<uint8_t>(second / 60 % 60);
            m.second = static_cast<uint8_t>(second % 60);
            spoil(m);
            out.push_back(m);
            second += step();
            // Back across the start of a month stays within it; forward rolls into the next months and years.
            second = std::max<int64_t>(second, 0);
            while (second >= int64_t{MonthLength(year, month)} * 86400) {
                second -= int64_t{MonthLength(year, month)} * 86400;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
            }
        }
        return out;
    }

private:
    static int Power5(int k) { return k == 0 ? 1 : 5 * Power5(k - 1); }

    int pick(int bound) { return static_cast<int>(random_() % static_cast<uint64_t>(bound)); }

    int64_t step() {
        switch (pick(12)) {
        case 0:
            return 0; // the same moment again
        case 1:
            return -1 - pick(600); // the clock set back
        case 2:
            return 1 + pick(5);
        case 3: // 2^a × 5^b seconds: with a sensitivity of the same kind the activity is often an exact half
            return (int64_t{1} << pick(16)) * Power5(pick(5));
        case 4:
            return 86400 * (1 + pick(40)) + pick(86400); // days to weeks
        case 5:
            return 32768; // 1.28e9 / 32768 = 39062.5
        default:
            return 60 + pick(4 * 3600);
        }
    }

    // Now and then a field that makes the mark no date, as a damaged record reads.
    void spoil(TimeMark& m) {
        if (pick(25) != 0)
            return;
        switch (pick(6)) {
        case 0:
            m.month = 0;
            break;
        case 1:
            m.day = static_cast<uint8_t>(pick(2) == 0 ? 0 : 31 + pick(135));
            break;
        case 2:
            m.hour = static_cast<uint8_t>(24 + pick(142));
            break;
        case 3:
            m.minute = static_cast<uint8_t>(60 + pick(106));
            break;
        case 4:
            m.second = static_cast<uint8_t>(60 + pick(106));
            break;
        default:
            m.month = static_cast<uint8_t>(1 + pick(12)); // a month out of turn: a new year, or none
            break;
        }
    }

    std::mt19937_64 random_;
};

TEST(EvaluationModel, TheModelRoundsAsTheWorkedExamplesSay) {
    // Hand-worked values first, so that a fault of the model is not taken for one of the program.
    EXPECT_EQ(RoundedQuotient(1280000000, 150000), 8533);
    EXPECT_EQ(RoundedQuotient(1280000000, 32768), 39062); // 39062.5 goes to the even neighbour
    EXPECT_EQ(RoundedQuotient(1280000000, 65536), 19531); // 19531.25
    EXPECT_EQ(RoundedQuotient(-2560000000LL, 32768 * 2), -39062);
    EXPECT_EQ(ModelError(8533), 1280);
    EXPECT_EQ(ModelError(10), 2);   // 1.5 and a little more
    EXPECT_EQ(ModelError(30), 4);   // 4.5 and a little more
    EXPECT_EQ(ModelError(190), 29); // 28.5 and a little more, rounded away by the 64-bit product
    EXPECT_EQ(ModelError(1000), 150);
    TimeMark newYearsEve{12, 31, 23, 59, 50};
    TimeMark newYear{1, 1, 0, 0, 10};
    EXPECT_EQ(Seconds(newYear, 2006) - Seconds(newYearsEve, 2005), 20);
}

TEST(EvaluationModel, RandomSeriesAgreeToTheLastUnit) {
    SeriesMaker maker(20250105);
    int compared = 0;
    int measurements = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        FileHalf file;
        file.dataFileName = QStringLiteral("/data/model.rad");
        file.sensitivity = maker.sensitivity();
        const int yearByte = maker.yearByte();
        const int markCount = trial % 50 == 0 ? 400 : 2 + static_cast<int>(trial % 37);
        file.seriesCount = 1;
        file.seriesNumbers.push_back(1);
        file.seriesYears.push_back(static_cast<uint16_t>(yearByte));
        file.seriesMarks.push_back(maker.marks(markCount, 2000 + yearByte));

        const ModelResult model = Model(file.seriesMarks[1], yearByte, file.sensitivity);
        const SeriesEvaluation ev = EvaluateSeries(file, 1);
        SCOPED_TRACE(testing::Message() << "trial " << trial << ", sensitivity " << file.sensitivity);
        ASSERT_EQ(ev.refused(), model.refused);
        if (model.refused)
            continue;
        const SelectedSeries& s = ev.series;
        ASSERT_EQ(s.elapsedTime, model.elapsed);
        ASSERT_EQ(s.activity, model.activity);
        EXPECT_EQ(s.maxActivity, model.maxActivity);
        EXPECT_EQ(s.equilibriumActivity, model.equilibrium);
        EXPECT_EQ(s.currentYear, model.year);
        ASSERT_EQ(ev.messages.size(), static_cast<qsizetype>(model.badMarks.size()));
        for (size_t i = 0; i < model.badMarks.size(); ++i)
            EXPECT_TRUE(ev.messages[static_cast<qsizetype>(i)].startsWith(
                QStringLiteral("Ошибка в файле. № изм=%1  ").arg(model.badMarks[i])));
        for (int k = 1; k <= s.measurementCount; ++k)
            EXPECT_EQ(MeasurementRowTexts(s, k)[3],
                      QStringLiteral("%1±%2").arg(model.activity[k]).arg(ModelError(model.activity[k])));
        EXPECT_EQ(ActivityWithErrorText(s.equilibriumActivity),
                  QStringLiteral("%1±%2").arg(model.equilibrium).arg(ModelError(model.equilibrium)));
        // Averages over a few spans, the whole series among them.
        const int n = s.measurementCount;
        for (int span = 0; span < 4; ++span) {
            const int first = span == 0 ? 1 : 1 + (trial * 7 + span * 13) % n;
            const int last = span == 0 ? n : first + (trial * 3 + span) % (n - first + 1);
            const AverageResult average = AverageActivity(s, file.sensitivity, {first, last});
            if (model.elapsed[last] == model.elapsed[first - 1]) {
                EXPECT_FALSE(average.ok());
                continue;
            }
            ASSERT_TRUE(average.ok()) << first << " … " << last;
            EXPECT_EQ(average.average, ModelAverage(model, file.sensitivity, first, last))
                << first << " … " << last;
        }
        ++compared;
        measurements += n;
    }
    // The walk must give the comparison something to compare: most series evaluate, with many measurements.
    EXPECT_GT(compared, 2000);
    EXPECT_GT(measurements, 40000);
}

} // namespace
