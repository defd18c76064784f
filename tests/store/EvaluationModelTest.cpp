// The evaluation against a small model of its arithmetic written apart from it: exact integers and
// fractions on 128 bits, its own calendar, and the 80-bit rules spelled out step by step (each division or
// product rounded once to a 64-bit significand, halves to even; the result rounded once to an integer,
// halves to even). Random series from a fixed seed, with intervals chosen to land on exact halves, bad marks,
// clocks going back and new years, are evaluated both ways and must agree to the last unit.

#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"

#include "tests/support/EvaluationModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace {

using namespace evaluation_model;

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
        InstrumentFile file;
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
            EXPECT_EQ(average.value(), ModelAverage(model, file.sensitivity, first, last))
                << first << " … " << last;
        }
        ++compared;
        measurements += n;
    }
    // The walk must give the comparison something to compare: most series evaluate, with many measurements.
    EXPECT_FALSE(ModelOutOfRange()) << "a quotient beyond the model's range";
    EXPECT_GT(compared, 2000);
    EXPECT_GT(measurements, 40000);
}

} // namespace
