// bench_div.cpp -- widefp_float_div against mpfr_div (round toward zero, 64p+1 bits), with a table of ratios.
#include <benchmark/benchmark.h>
#include <mpfr.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"

namespace {

const uint64_t kPrecisions[] = {2, 4, 8, 16, 32, 64, 128, 256, 512, 719, 720, 1000, 2000};
constexpr int kOperands = 8;  // distinct operand pairs cycled through

struct Operands {
    std::vector<th::Words> x, y;
};

Operands make_operands(uint64_t p) {
    th::Rng rng(0xbe9c + p);
    Operands o;
    for (int i = 0; i < kOperands; ++i) {
        th::Words x(p + 1), y(p + 1);
        for (uint64_t j = 1; j <= p; ++j) {
            x[j] = rng.word();
            y[j] = rng.word();
        }
        x[0] = th::kBias + rng.below(8);
        y[0] = th::kBias - rng.below(8);
        o.x.push_back(x);
        o.y.push_back(y);
    }
    return o;
}

void BM_widefp_div(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    Operands o = make_operands(p);
    th::Words r(p + 1);
    int i = 0;
    for (auto _ : state) {
        uint64_t g = widefp_float_div(r.data(), o.x[i].data(), o.y[i].data(), p);
        benchmark::DoNotOptimize(g);
        benchmark::DoNotOptimize(r.data());
        i = (i + 1) % kOperands;
    }
}

void BM_mpfr_div(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    Operands o = make_operands(p);
    std::vector<mpfr_t> x(kOperands), y(kOperands);
    for (int k = 0; k < kOperands; ++k) {
        mpfr_init2(x[k], static_cast<mpfr_prec_t>(64 * p + 1));
        mpfr_init2(y[k], static_cast<mpfr_prec_t>(64 * p + 1));
        th::to_mpfr(x[k], o.x[k].data(), p);
        th::to_mpfr(y[k], o.y[k].data(), p);
    }
    mpfr_t r;
    mpfr_init2(r, static_cast<mpfr_prec_t>(64 * p + 1));
    int i = 0;
    for (auto _ : state) {
        int t = mpfr_div(r, x[i], y[i], MPFR_RNDZ);
        benchmark::DoNotOptimize(t);
        i = (i + 1) % kOperands;
    }
    mpfr_clear(r);
    for (int k = 0; k < kOperands; ++k) {
        mpfr_clear(x[k]);
        mpfr_clear(y[k]);
    }
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (uint64_t p : kPrecisions) {
        benchmark::RegisterBenchmark("BM_widefp_div", BM_widefp_div)->Arg(static_cast<int64_t>(p))->MinTime(0.2);
        benchmark::RegisterBenchmark("BM_mpfr_div", BM_mpfr_div)->Arg(static_cast<int64_t>(p))->MinTime(0.2);
    }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\n%6s %14s %14s %10s\n", "p", "widefp (ns)", "mpfr (ns)", "ratio");
        for (uint64_t p : kPrecisions) {
            const std::string suffix = "/" + std::to_string(p);
            const double a = reporter.time("BM_widefp_div" + suffix, benchreport::Time::cpu);
            const double b = reporter.time("BM_mpfr_div" + suffix, benchreport::Time::cpu);
            if (a < 0 || b < 0) continue;
            std::printf("%6llu %14.1f %14.1f %10.3f\n", static_cast<unsigned long long>(p), a, b, a / b);
        }
    });
}
