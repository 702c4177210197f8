// Shared reporter of the benchmarks: console output as usual, plus each run's times kept by name for ratio tables.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace benchreport {

enum class Time { cpu, real };

// Keeps, for every iteration run, the adjusted CPU and real time per
// iteration (in the run's time unit) under the benchmark's name, with any
// "/min_time:..." or "/repeats:..." suffix cut off so names match what was
// registered; and the fastest CPU time over its repetitions (the machine
// may be shared).
class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                std::string name = r.benchmark_name();
                name = name.substr(0, name.find("/min_time"));
                name = name.substr(0, name.find("/repeats"));
                const double cpu = r.GetAdjustedCPUTime();
                times_[name] = {cpu, r.GetAdjustedRealTime()};
                auto it = best_.find(name);
                if (it == best_.end() || cpu < it->second) best_[name] = cpu;
            }
        ConsoleReporter::ReportRuns(runs);
    }

    // The time of one run (the last repetition), or -1 when it did not run.
    double time(const std::string &name, Time which) const {
        auto it = times_.find(name);
        if (it == times_.end()) return -1;
        return which == Time::cpu ? it->second.cpu : it->second.real;
    }

    // The fastest CPU time over the repetitions, or -1 when it did not run.
    double fastest(const std::string &name) const {
        auto it = best_.find(name);
        return it == best_.end() ? -1 : it->second;
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
    std::map<std::string, double> best_;
};

// The table of one operation: per p, the fastest time of one call of ours
// and of MPFR's (the benchmarks "ours_<op>/<p>" and "mpfr_<op>/<p>", which make
// calls(p) calls an iteration) and their ratio; `per` names the unit.
template <class Calls>
void print_times(const Reporter &rep, const char *op, const char *per, const std::vector<uint64_t> &precisions,
                 Calls calls) {
    std::printf("\n%-7s %6s %14s %14s %10s   (to nearest, per %s)\n", op, "p", "ours ns", "mpfr ns", "ours/mpfr", per);
    for (uint64_t p : precisions) {
        const std::string s = std::string(op) + "/" + std::to_string(p);
        const double a = rep.fastest("ours_" + s), b = rep.fastest("mpfr_" + s);
        if (a < 0 || b < 0) continue;
        const double n = calls(p);
        std::printf("%-7s %6llu %14.1f %14.1f %10.3f\n", "", static_cast<unsigned long long>(p), a / n, b / n, a / b);
    }
}

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
