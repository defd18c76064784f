#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The console report, followed by lines that set two benchmarks against each other: "label: R" with R the
// first one's time over the second's. Each time is the median over the repetitions when there are several
// (also when only the aggregates are reported), else the one run's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void addRatio(std::string label, std::string numerator, std::string denominator) {
        ratios_.push_back({std::move(label), std::move(numerator), std::move(denominator)});
    }
    // A line "label: T ms" with the benchmark's time.
    void addFigure(std::string label, std::string benchmark) {
        figures_.push_back({std::move(label), std::move(benchmark)});
    }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median")
                    medians_[name] = Seconds(run);
            } else {
                singles_[name] = Seconds(run);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [label, benchmark] : figures_)
            if (const double t = time(benchmark); t > 0)
                std::printf("%s: %.2f ms\n", label.c_str(), t * 1e3);
        for (const Ratio& ratio : ratios_) {
            const double numerator = time(ratio.numerator);
            const double denominator = time(ratio.denominator);
            if (numerator > 0 && denominator > 0)
                std::printf("%s: %.4f\n", ratio.label.c_str(), numerator / denominator);
        }
        std::fflush(stdout);
    }

private:
    struct Ratio {
        std::string label, numerator, denominator;
    };

    static double Seconds(const Run& run) {
        return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    double time(const std::string& name) const {
        if (const auto median = medians_.find(name); median != medians_.end())
            return median->second;
        const auto single = singles_.find(name);
        return single != singles_.end() ? single->second : 0;
    }

    std::vector<Ratio> ratios_;
    std::vector<std::pair<std::string, std::string>> figures_;
    std::map<std::string, double> medians_, singles_;
};
