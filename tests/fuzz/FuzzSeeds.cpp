// Writes small instrument files that each reach one corner of the format, so that the fuzzers begin from
// inputs the parser accepts instead of having to discover the series header themselves. The corpus kept in
// tests/fuzz/corpus/ was minimised from these (minimise-corpus.sh).
//   radview-fuzz-seeds DIR

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

uint8_t Bcd(int value) {
    return static_cast<uint8_t>((value / 10) * 16 + value % 10);
}

struct Mark {
    int month, day, hour, minute, second;
};

void Header(Bytes& out, uint16_t device, uint16_t sensitivity) {
    out = {static_cast<uint8_t>(device & 0xFF), static_cast<uint8_t>(device >> 8),
           static_cast<uint8_t>(sensitivity & 0xFF), static_cast<uint8_t>(sensitivity >> 8)};
}

// The first mark of a series carries both flag bits in its month byte; the others may carry anything there.
void PutMark(Bytes& out, const Mark& m, bool first) {
    out.push_back(static_cast<uint8_t>(Bcd(m.month) | (first ? 0xC0 : 0x00)));
    out.push_back(Bcd(m.day));
    out.push_back(Bcd(m.hour));
    out.push_back(Bcd(m.minute));
    out.push_back(Bcd(m.second));
}

void PutSeries(Bytes& out, uint16_t word, uint8_t year, const std::vector<Mark>& marks, bool endPair = true) {
    out.push_back(static_cast<uint8_t>(word & 0xFF));
    out.push_back(static_cast<uint8_t>(word >> 8));
    out.push_back(year);
    for (size_t i = 0; i < marks.size(); ++i)
        PutMark(out, marks[i], i == 0);
    if (endPair) {
        // A series without marks needs the flag bits where its first month byte would stand.
        out.push_back(marks.empty() ? 0xC0 : 0x00);
        out.push_back(0xF8);
    }
}

// Marks from a start moment on, stepping by the given seconds; rolls minutes, hours, days and months over.
std::vector<Mark> Marks(Mark start, int year, const std::vector<int>& steps) {
    static const int days[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Mark> out{start};
    Mark m = start;
    for (int step : steps) {
        long long t = ((m.hour * 60LL) + m.minute) * 60 + m.second + step;
        while (t >= 86400) {
            t -= 86400;
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            const int monthDays = days[m.month] + (m.month == 2 && leap ? 1 : 0);
            if (++m.day > monthDays) {
                m.day = 1;
                if (++m.month > 12) {
                    m.month = 1;
                    ++year;
                }
            }
        }
        m.hour = static_cast<int>(t / 3600);
        m.minute = static_cast<int>(t / 60 % 60);
        m.second = static_cast<int>(t % 60);
        out.push_back(m);
    }
    return out;
}

bool Write(const std::string& dir, const std::string& name, const Bytes& bytes) {
    std::ofstream f(dir + "/" + name, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::vector<std::pair<std::string, Bytes>> seeds;
    Bytes b;

    // The smallest file with one series of two marks, 600 s apart.
    Header(b, 17, 250);
    PutSeries(b, 0x8001, 23, {{3, 14, 9, 0, 0}, {3, 14, 9, 10, 0}});
    seeds.emplace_back("two-marks", b);

    // A series word without the 0x8000 bit, a month code of 12 in the first mark.
    Header(b, 1, 100);
    PutSeries(b, 0x0005, 5, {{12, 31, 23, 59, 50}, {1, 1, 0, 0, 10}, {1, 1, 0, 0, 20}});
    seeds.emplace_back("new-year", b);

    // A series without marks, then an ordinary one, then one whose end is the end-of-file pair.
    Header(b, 2, 250);
    PutSeries(b, 0x8001, 24, {});
    PutSeries(b, 0x8002, 24, Marks({2, 28, 23, 0, 0}, 2024, {1800, 3600, 7200, 60}));
    PutSeries(b, 0x8003, 24, Marks({6, 1, 0, 0, 0}, 2024, {600, 600}), false);
    b.push_back(0x8F);
    b.push_back(0xF8);
    PutSeries(b, 0x8004, 24, Marks({7, 1, 0, 0, 0}, 2024, {600}));
    seeds.emplace_back("three-series-eof-pair", b);

    // Bad marks: a repeated time, a month code outside 1..12, nibbles above 9, the clock going back.
    Header(b, 3, 250);
    PutSeries(b, 0x8001, 23, {{5, 1, 8, 0, 0}, {5, 1, 8, 0, 0}, {5, 1, 8, 20, 0}, {13, 1, 9, 0, 0}});
    b.insert(b.end() - 2, {0x05, 0x3A, 0xFF, 0x00, 0x00});
    b.insert(b.end() - 2, {0x05, 0x01, 0x07, 0x00, 0x00});
    seeds.emplace_back("bad-marks", b);

    // A first mark that is no date (30 February) and a sensitivity of zero.
    Header(b, 4, 250);
    PutSeries(b, 0x8001, 23, {{2, 30, 10, 0, 0}, {3, 1, 10, 0, 0}});
    seeds.emplace_back("bad-first-mark", b);
    Header(b, 4, 0);
    PutSeries(b, 0x8001, 23, Marks({3, 1, 10, 0, 0}, 2023, {600, 1200}));
    seeds.emplace_back("zero-sensitivity", b);

    // One second apart with the smallest sensitivity: the largest activities.
    Header(b, 5, 1);
    PutSeries(b, 0x8001, 99, Marks({1, 1, 0, 0, 0}, 2099, {1, 1, 1}));
    seeds.emplace_back("one-second", b);

    // A full file: one series of 1637 marks, minutes to hours apart, then two spare bytes.
    std::vector<int> steps;
    uint32_t x = 12345;
    for (int i = 0; i < 1700; ++i) {
        x = x * 1103515245u + 12345u;
        steps.push_back(60 + static_cast<int>((x >> 8) % (4 * 3600)));
    }
    Header(b, 6, 250);
    PutSeries(b, 0x8001, 23, Marks({3, 1, 8, 0, 0}, 2023, {steps.begin(), steps.begin() + 1636}));
    b.push_back(0xFF);
    b.push_back(0xFF);
    seeds.emplace_back("full", b);

    // Longer than the viewer reads: the series is cut by the limit in the middle of a mark.
    Header(b, 6, 250);
    PutSeries(b, 0x8001, 23, Marks({3, 1, 8, 0, 0}, 2023, steps));
    seeds.emplace_back("too-long", b);

    // Many short series.
    Header(b, 7, 250);
    for (int s = 1; s <= 400; ++s)
        PutSeries(b, static_cast<uint16_t>(0x8000 + s), 22, Marks({4, 1 + s % 28, 8, 0, 0}, 2022, {300 + s}));
    seeds.emplace_back("many-series", b);

    // Files cut short: inside the header, inside the first mark, inside a later record.
    Header(b, 8, 250);
    PutSeries(b, 0x8001, 23, Marks({3, 1, 8, 0, 0}, 2023, {600, 600}));
    for (size_t cut : {0, 3, 9, 11, 17, 21})
        seeds.emplace_back("cut-" + std::to_string(cut),
                           Bytes(b.begin(), b.begin() + static_cast<long>(cut)));

    for (const auto& [name, bytes] : seeds) {
        if (!Write(dir, name, bytes)) {
            std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), name.c_str());
            return 1;
        }
    }
    return 0;
}
