// Shared reporter of the benchmarks: console output as usual, plus each run's times kept by name for ratio tables.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace benchreport {

enum class Time { cpu, real };

// Keeps, for every iteration run, the adjusted CPU and real time per
// iteration (in the run's time unit) under the benchmark's name, with any
// "/min_time:..." suffix cut off so names match what was registered.
class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                std::string name = r.benchmark_name();
                name = name.substr(0, name.find("/min_time"));
                times_[name] = {r.GetAdjustedCPUTime(), r.GetAdjustedRealTime()};
            }
        ConsoleReporter::ReportRuns(runs);
    }

    // The time of one run, or -1 when it did not run.
    double time(const std::string &name, Time which) const {
        auto it = times_.find(name);
        if (it == times_.end()) return -1;
        return which == Time::cpu ? it->second.cpu : it->second.real;
    }

    // ours / theirs, or -1 when either did not run or theirs took no time.
    double ratio(const std::string &ours, const std::string &theirs, Time which) const {
        const double a = time(ours, which), b = time(theirs, which);
        return a < 0 || b <= 0 ? -1 : a / b;
    }

private:
    struct Times {
        double cpu, real;
    };
    std::map<std::string, Times> times_;
};

// The common main(): parse the flags (unknown ones are an error), run the
// benchmarks selected into `reporter`, then print the tables with `finalize`.
template <class Finalize>
int run(int argc, char **argv, Reporter &reporter, Finalize finalize) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    finalize();
    benchmark::Shutdown();
    return 0;
}

}  // namespace benchreport
