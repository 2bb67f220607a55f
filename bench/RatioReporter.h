#pragma once

// A console reporter that keeps each benchmark's time (the median when runs
// are repeated) and prints, at the end, how one compares with another.
#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace ledfont::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Prints "label = ours / theirs" plus note, once both have run.
    RatioReporter(std::string ours, std::string theirs, std::string label, std::string note = {})
        : ours_(std::move(ours)),
          theirs_(std::move(theirs)),
          label_(std::move(label)),
          note_(std::move(note)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        Keep(runs);
    }
    // Keeps the times of runs without printing them.
    void Keep(const std::vector<Run>& runs) {
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                seconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    void PrintRatio() const {
        const auto ours = seconds_.find(ours_), theirs = seconds_.find(theirs_);
        if (ours == seconds_.end() || theirs == seconds_.end() || theirs->second <= 0) return;
        std::cout << label_ << " = " << ours->second / theirs->second << note_ << '\n';
    }

private:
    std::string ours_, theirs_, label_, note_;
    std::map<std::string, double> seconds_;
};

// The main of a benchmark program that ends with several ratios, each
// reporter watching the same runs.
class RatiosReporter : public benchmark::ConsoleReporter {
public:
    explicit RatiosReporter(std::vector<RatioReporter> ratios) : ratios_(std::move(ratios)) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (RatioReporter& ratio : ratios_) ratio.Keep(runs);
    }
    void PrintRatios() const {
        for (const RatioReporter& ratio : ratios_) ratio.PrintRatio();
    }

private:
    std::vector<RatioReporter> ratios_;
};

inline int RunWithRatios(int argc, char** argv, std::vector<RatioReporter> ratios) {
    benchmark::Initialize(&argc, argv);
    RatiosReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

// The main of a benchmark program that ends with the ratio.
inline int RunWithRatio(int argc, char** argv, RatioReporter reporter) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}

}  // namespace ledfont::bench
