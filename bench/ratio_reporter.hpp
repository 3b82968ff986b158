#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tessarivand::bench {

// What a benchmark is compared with: the name of its reference loop, and the
// ratio aimed at (0 when there is none).
struct Comparison {
    std::string reference;
    double target = 0.0;
};

// The console report, with a "ratio" counter on each benchmark that has a
// reference: its time over the median time of the reference. The runs are
// held back until the end, since with random interleaving a reference may
// finish after the benchmarks that need it; they are then printed in the
// order of registration, followed by a summary table: the median of each
// benchmark, its spread across repetitions, and its ratio.
// The comparisons of benchmarks that register themselves from a file of
// their own as the program starts, before main() makes the reporter: a peer
// library's file, built only where that library is installed.
std::map<std::string, Comparison>& registeredComparisons();

class RatioReporter final : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::map<std::string, Comparison> comparisons);

    void ReportRuns(const std::vector<Run>& report) override;
    void Finalize() override;

private:
    struct Timing {
        double median = 0.0;         // seconds per iteration
        double spreadPercent = 0.0;  // coefficient of variation across repetitions, when 2 or more
        std::size_t repetitions = 0;
    };

    [[nodiscard]] static std::string readableSpread(const Timing& timing);
    [[nodiscard]] const Timing* timingOf(const std::string& name) const;
    void addRatio(Run& run) const;
    void printSummary() const;

    std::map<std::string, Comparison> comparisons_;
    std::vector<Run> held_;
    std::map<std::pair<std::int64_t, std::int64_t>, std::string> order_;  // by registration
    std::map<std::string, std::vector<double>> samples_;
    std::map<std::string, Timing> aggregates_;
    std::map<std::string, Timing> timings_;
};

}  // namespace tessarivand::bench
