// Benchmark of decimal output: widefp_convert_pow plus widefp_scientific_format
// against mpfr_get_str (same number of significant digits, 64p+1-bit input)
// on the same random numbers.  The main figure is 1,000 digits at p = 54; a
// table at the end gives ours/MPFR (CPU time) per case.
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
const std::vector<Case> kCases = {{1000, 54}, {1000, 200}, {100, 6}, {20, 2}, {5000, 270}};

constexpr int kNumbers = 8;

std::vector<th::Words> numbers(uint64_t p) {
    th::Rng rng(0xdec0 + p);
    std::vector<th::Words> out;
    for (int i = 0; i < kNumbers; ++i) out.push_back(th::random_wr(rng, p, -1000, 1000));
    return out;
}

std::string name(const char *who, const Case &c) {
    return std::string(who) + "/digits:" + std::to_string(c.digits) + "/p:" + std::to_string(c.p);
}

void BM_widefp(benchmark::State &state, Case c) {
    const std::vector<th::Words> xs = numbers(c.p);
    std::vector<uint64_t> digits(c.p + 2);
    std::vector<char> text(c.digits + 64);
    const uint64_t control = (c.p + 2) | (static_cast<uint64_t>(c.digits - 1) << 16);
    for (auto _ : state) {
        for (const th::Words &x : xs) {
            int64_t e = 0;
            widefp_convert_pow(x.data(), &e, digits.data(), c.p);
            widefp_scientific_format(control | (x[0] & th::kSign), digits.data(), e, text.data());
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}

void BM_mpfr(benchmark::State &state, Case c) {
    const std::vector<th::Words> xs = numbers(c.p);
    std::vector<th::Mp *> vs;
    for (const th::Words &x : xs) {
        vs.push_back(new th::Mp(c.p));
        th::to_mpfr(*vs.back(), x.data(), c.p);
    }
    std::vector<char> text(c.digits + 64);
    for (auto _ : state) {
        for (th::Mp *v : vs) {
            mpfr_exp_t e;
            benchmark::DoNotOptimize(mpfr_get_str(text.data(), &e, 10, c.digits, *v, MPFR_RNDN));
        }
        benchmark::ClobberMemory();
    }
    for (th::Mp *v : vs) delete v;
    state.SetItemsProcessed(state.iterations() * kNumbers);
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (const Case &c : kCases) {
        benchmark::RegisterBenchmark(name("widefp_pow_sci", c).c_str(), BM_widefp, c);
        benchmark::RegisterBenchmark(name("mpfr_get_str", c).c_str(), BM_mpfr, c);
    }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\n%7s  %5s  %14s\n", "digits", "p", "ours/mpfr");
        for (const Case &c : kCases) {
            // CPU time: the machine is shared
            double ratio = reporter.ratio(name("widefp_pow_sci", c), name("mpfr_get_str", c), benchreport::Time::cpu);
            std::printf("%7d  %5llu  %14.3f\n", c.digits, static_cast<unsigned long long>(c.p), ratio);
        }
    });
}
