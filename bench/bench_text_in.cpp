// Benchmark of reading decimal text: widefp_float_atowr against mpfr_set_str
// (64p+1 bits, round to nearest) on the same random texts.  The main figure is
// a 1,000-digit number at p = 54; a table at the end gives ours/MPFR per case.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"

namespace {

struct Case {
    int digits;
    uint64_t p;
};
const std::vector<Case> kCases = {{1000, 54}, {1000, 16}, {1000, 200}, {20, 54}, {100, 4}};

constexpr int kTexts = 8;

std::vector<std::string> texts(int digits) {
    th::Rng rng(0x7e47 + digits);
    std::vector<std::string> out;
    for (int i = 0; i < kTexts; ++i) {
        std::string t = std::to_string(1 + rng.below(9)) + ".";
        for (int k = 1; k < digits; ++k) t += static_cast<char>('0' + rng.below(10));
        t += "e" + std::to_string(static_cast<int64_t>(rng.below(601)) - 300);
        out.push_back(t);
    }
    return out;
}

std::string name(const char *who, const Case &c) {
    return std::string(who) + "/digits:" + std::to_string(c.digits) + "/p:" + std::to_string(c.p);
}

void BM_widefp(benchmark::State &state, Case c) {
    const std::vector<std::string> t = texts(c.digits);
    std::vector<uint64_t> r(c.p + 1);
    for (auto _ : state) {
        for (const std::string &s : t) widefp_float_atowr(s.c_str(), r.data(), c.p);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kTexts);
}

void BM_mpfr(benchmark::State &state, Case c) {
    const std::vector<std::string> t = texts(c.digits);
    th::Mp v(c.p);
    for (auto _ : state) {
        for (const std::string &s : t) benchmark::DoNotOptimize(mpfr_set_str(v, s.c_str(), 10, MPFR_RNDN));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kTexts);
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (const Case &c : kCases) {
        benchmark::RegisterBenchmark(name("widefp_atowr", c).c_str(), BM_widefp, c);
        benchmark::RegisterBenchmark(name("mpfr_set_str", c).c_str(), BM_mpfr, c);
    }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\n%7s  %5s  %14s\n", "digits", "p", "ours/mpfr");
        for (const Case &c : kCases) {
            double ratio = reporter.ratio(name("widefp_atowr", c), name("mpfr_set_str", c), benchreport::Time::real);
            std::printf("%7d  %5llu  %14.3f\n", c.digits, static_cast<unsigned long long>(c.p), ratio);
        }
    });
}
