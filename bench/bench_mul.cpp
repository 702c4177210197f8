// bench_mul.cpp -- floating multiplication against mpfr_mul (RNDZ, 64p+1 bits)
// (and squares against mpfr_sqr) and the Karatsuba product against GMP's
// mpn_mul; prints ours/theirs ratios.
#include <benchmark/benchmark.h>
#include <gmp.h>
#include <mpfr.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"
#include "widefp.h"

namespace {

const std::vector<int64_t> kPrecisions = {2, 4, 8, 16, 32, 64, 128, 256, 512, 719, 720, 1000, 2000};
const std::vector<int64_t> kLengths = {720, 1000, 2000, 4000};
const std::vector<int64_t> kSquarePrecisions = {16, 64, 128, 512, 719, 1000};

void BM_ours_float_mul(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    th::Rng rng(7 + p);
    th::Words x = th::random_wr(rng, p, -8, 8), y = th::random_wr(rng, p, -8, 8), r(p + 1);
    for (uint64_t i = 1; i <= p; ++i) x[i] = rng.word(), y[i] = rng.word();
    for (auto _ : state) {
        uint64_t g = widefp_float_mul(r.data(), x.data(), y.data(), p);
        benchmark::DoNotOptimize(g);
        benchmark::ClobberMemory();
    }
}

void BM_mpfr_mul(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    th::Rng rng(7 + p);
    th::Words x = th::random_wr(rng, p, -8, 8), y = th::random_wr(rng, p, -8, 8);
    for (uint64_t i = 1; i <= p; ++i) x[i] = rng.word(), y[i] = rng.word();
    th::Mp a(p), b(p), r(p);
    th::to_mpfr(a, x.data(), p);
    th::to_mpfr(b, y.data(), p);
    for (auto _ : state) {
        int t = mpfr_mul(r, a, b, MPFR_RNDZ);
        benchmark::DoNotOptimize(t);
        benchmark::ClobberMemory();
    }
}

// Squares: one element for both operands (x*x) against mpfr_sqr.
void BM_ours_float_sqr(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    th::Rng rng(13 + p);
    th::Words x = th::random_wr(rng, p, -8, 8), r(p + 1);
    for (uint64_t i = 1; i <= p; ++i) x[i] = rng.word();
    for (auto _ : state) {
        uint64_t g = widefp_float_mul(r.data(), x.data(), x.data(), p);
        benchmark::DoNotOptimize(g);
        benchmark::ClobberMemory();
    }
}

void BM_mpfr_sqr(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    th::Rng rng(13 + p);
    th::Words x = th::random_wr(rng, p, -8, 8);
    for (uint64_t i = 1; i <= p; ++i) x[i] = rng.word();
    th::Mp a(p), r(p);
    th::to_mpfr(a, x.data(), p);
    for (auto _ : state) {
        int t = mpfr_sqr(r, a, MPFR_RNDZ);
        benchmark::DoNotOptimize(t);
        benchmark::ClobberMemory();
    }
}

void BM_ours_array_mul_k(benchmark::State &state) {
    const uint64_t n = static_cast<uint64_t>(state.range(0));
    th::Rng rng(11 + n);
    std::vector<uint64_t> a(n), b(n), r(n);
    for (uint64_t i = 0; i < n; ++i) a[i] = rng.word(), b[i] = rng.word();
    for (auto _ : state) {
        uint64_t top = widefp_array_mul_k(r.data(), a.data(), b.data(), n);
        benchmark::DoNotOptimize(top);
        benchmark::ClobberMemory();
    }
}

void BM_gmp_mpn_mul(benchmark::State &state) {
    const uint64_t n = static_cast<uint64_t>(state.range(0));
    th::Rng rng(11 + n);
    std::vector<mp_limb_t> a(n), b(n), r(2 * n);
    for (uint64_t i = 0; i < n; ++i) a[i] = rng.word(), b[i] = rng.word();
    for (auto _ : state) {
        mpn_mul(r.data(), a.data(), n, b.data(), n);
        benchmark::ClobberMemory();
    }
}

void print_table(const benchreport::Reporter &rep, const char *ours, const char *theirs, const char *what,
                 const std::vector<int64_t> &sizes) {
    std::printf("\n%-6s %14s %14s %8s   (%s / %s)\n", what, ours, theirs, "ratio", ours, theirs);
    for (int64_t s : sizes) {
        const double a = rep.time(std::string(ours) + "/" + std::to_string(s), benchreport::Time::cpu);
        const double b = rep.time(std::string(theirs) + "/" + std::to_string(s), benchreport::Time::cpu);
        if (a < 0 || b < 0) continue;
        std::printf("%-6lld %12.1fns %12.1fns %8.2f\n", static_cast<long long>(s), a, b, a / b);
    }
}

}  // namespace

BENCHMARK(BM_ours_float_mul)->Name("ours_float_mul")->ArgsProduct({kPrecisions})->MinTime(0.1);
BENCHMARK(BM_mpfr_mul)->Name("mpfr_mul")->ArgsProduct({kPrecisions})->MinTime(0.1);
BENCHMARK(BM_ours_float_sqr)->Name("ours_float_sqr")->ArgsProduct({kSquarePrecisions})->MinTime(0.1);
BENCHMARK(BM_mpfr_sqr)->Name("mpfr_sqr")->ArgsProduct({kSquarePrecisions})->MinTime(0.1);
BENCHMARK(BM_ours_array_mul_k)->Name("ours_array_mul_k")->ArgsProduct({kLengths})->MinTime(0.1);
BENCHMARK(BM_gmp_mpn_mul)->Name("gmp_mpn_mul")->ArgsProduct({kLengths})->MinTime(0.1);

int main(int argc, char **argv) {
    th::Mp::widen_range();
    benchreport::Reporter rep;
    return benchreport::run(argc, argv, rep, [&] {
        print_table(rep, "ours_float_mul", "mpfr_mul", "p", kPrecisions);
        print_table(rep, "ours_float_sqr", "mpfr_sqr", "p", kSquarePrecisions);
        print_table(rep, "ours_array_mul_k", "gmp_mpn_mul", "n", kLengths);
    });
}
