#include "ratio_reporter.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>

namespace tessarivand::bench {

namespace {

double secondsPerIteration(const benchmark::BenchmarkReporter::Run& run) {
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double spreadPercentOf(const std::vector<double>& values) {
    if (values.size() < 2) return 0.0;
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    double squares = 0.0;
    for (const double v : values) squares += (v - mean) * (v - mean);
    return 100.0 * std::sqrt(squares / static_cast<double>(values.size() - 1)) / mean;
}

// A time in the unit that suits it, in a field of 10.
std::string readableTime(double seconds) {
    std::array<char, 32> text{};
    if (seconds >= 1e-3) {
        std::snprintf(text.data(), text.size(), "%7.3f ms", seconds * 1e3);
    } else if (seconds >= 1e-6) {
        std::snprintf(text.data(), text.size(), "%7.3f us", seconds * 1e6);
    } else {
        std::snprintf(text.data(), text.size(), "%7.1f ns", seconds * 1e9);
    }
    return text.data();
}

}  // namespace

std::map<std::string, Comparison>& registeredComparisons() {
    // Made at its first use, whatever the order in which files start.
    static std::map<std::string, Comparison> comparisons;
    return comparisons;
}

std::string RatioReporter::readableSpread(const Timing& timing) {
    if (timing.repetitions < 2) return "-";
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%.1f%%", timing.spreadPercent);
    return text.data();
}

RatioReporter::RatioReporter(std::map<std::string, Comparison> comparisons) : comparisons_(std::move(comparisons)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& report) {
    for (const Run& run : report) {
        const std::string& name = run.run_name.function_name;
        order_.emplace(std::pair(run.family_index, run.per_family_instance_index), name);
        held_.push_back(run);
        if (run.error_occurred) continue;
        if (run.run_type == Run::RT_Iteration) {
            samples_[name].push_back(secondsPerIteration(run));
        } else if (run.aggregate_name == "median") {
            aggregates_[name].median = secondsPerIteration(run);
            aggregates_[name].repetitions = static_cast<std::size_t>(run.repetitions);
        } else if (run.aggregate_name == "cv") {
            aggregates_[name].spreadPercent = 100.0 * run.real_accumulated_time;  // a fraction, not a time
        }
    }
    std::fputc('.', stderr);  // the report itself comes at the end
}

const RatioReporter::Timing* RatioReporter::timingOf(const std::string& name) const {
    const auto found = timings_.find(name);
    return found == timings_.end() ? nullptr : &found->second;
}

void RatioReporter::addRatio(Run& run) const {
    const auto comparison = comparisons_.find(run.run_name.function_name);
    if (comparison == comparisons_.end() || run.error_occurred) return;
    const bool isTime =
        run.run_type == Run::RT_Iteration || run.aggregate_name == "mean" || run.aggregate_name == "median";
    const Timing* reference = timingOf(comparison->second.reference);
    if (!isTime || reference == nullptr || reference->median <= 0.0) return;
    run.counters["ratio"] = benchmark::Counter(secondsPerIteration(run) / reference->median);
}

void RatioReporter::Finalize() {
    std::fputc('\n', stderr);
    // With --benchmark_display_aggregates_only only the library's own
    // median and coefficient of variation come here.
    timings_ = aggregates_;
    for (const auto& [name, values] : samples_) {
        timings_[name] = Timing{medianOf(values), spreadPercentOf(values), values.size()};
    }
    // Registration order: the family index that the library gives each one.
    std::stable_sort(held_.begin(), held_.end(), [](const Run& a, const Run& b) {
        return std::pair(a.family_index, a.per_family_instance_index) <
               std::pair(b.family_index, b.per_family_instance_index);
    });
    std::vector<Run> group;
    for (Run& run : held_) {
        addRatio(run);
        if (!group.empty() && group.front().run_name.function_name != run.run_name.function_name) {
            ConsoleReporter::ReportRuns(group);
            group.clear();
        }
        group.push_back(run);
    }
    if (!group.empty()) ConsoleReporter::ReportRuns(group);
    printSummary();
    ConsoleReporter::Finalize();
}

void RatioReporter::printSummary() const {
    std::FILE* out = stdout;
    std::fprintf(out, "\nSummary: medians over repetitions; spread = coefficient of variation across them\n\n");
    std::fprintf(out, "%-34s %7s %7s  %10s %6s   %-28s %10s %6s\n", "benchmark", "ratio", "target", "median", "spread",
                 "reference", "ref median", "spread");
    for (const auto& [position, name] : order_) {
        const auto comparison = comparisons_.find(name);
        const Timing* own = timingOf(name);
        if (comparison == comparisons_.end() || own == nullptr) continue;
        const Timing* reference = timingOf(comparison->second.reference);
        if (reference == nullptr) continue;
        std::array<char, 16> target{"-"};
        if (comparison->second.target > 0.0) {
            std::snprintf(target.data(), target.size(), "<%.2f", comparison->second.target);
        }
        std::fprintf(out, "%-34s %7.2f %7s  %10s %6s   %-28s %10s %6s\n", name.c_str(), own->median / reference->median,
                     target.data(), readableTime(own->median).c_str(), readableSpread(*own).c_str(),
                     comparison->second.reference.c_str(), readableTime(reference->median).c_str(),
                     readableSpread(*reference).c_str());
    }
    std::fflush(out);
}

}  // namespace tessarivand::bench
