// bench_solve -- wr_solve's elimination against the same elimination written
// with MPFR (rounding toward zero at 64p+1 bits), n = 50, one right-hand side.
#include <benchmark/benchmark.h>
#include <mpfr.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"
#include "widefp_linalg.h"

namespace {

constexpr uint64_t kN = 50, kR = 1, kCols = kN + kR;

// [A | b] by rows: random elements in [1/4, 2) with random signs.
std::vector<uint64_t> random_system(uint64_t p) {
    th::Rng rng(2);
    std::vector<uint64_t> m(kN * kCols * (p + 1));
    for (uint64_t e = 0; e < kN * kCols; ++e) {
        th::Words x = th::random_wr(rng, p, -2, 0);
        std::copy(x.begin(), x.end(), m.begin() + e * (p + 1));
    }
    return m;
}

void BM_widefp_solve(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    const std::vector<uint64_t> M0 = random_system(p);
    std::vector<uint64_t> M(M0.size()), work(2 * (p + 1));
    for (auto _ : state) {
        state.PauseTiming();
        M = M0;
        state.ResumeTiming();
        widefp_matrix_solve(M.data(), kN, kR, p, work.data());
        benchmark::DoNotOptimize(M.data());
    }
}

// The same steps: pivot = first row of strictly largest magnitude, rows
// exchanged from column k on, multiplier, row update, back substitution.
void mpfr_solve(std::vector<mpfr_t> &M, mpfr_ptr t0, mpfr_ptr t1) {
    auto el = [&](uint64_t i, uint64_t c) { return M[i * kCols + c]; };
    for (uint64_t k = 0; k + 1 < kN; ++k) {
        uint64_t q = k;
        for (uint64_t i = k + 1; i < kN; ++i)
            if (mpfr_cmpabs(el(q, k), el(i, k)) < 0) q = i;
        if (q != k)
            for (uint64_t c = k; c < kCols; ++c) mpfr_swap(el(q, c), el(k, c));
        for (uint64_t i = k + 1; i < kN; ++i) {
            mpfr_div(t0, el(i, k), el(k, k), MPFR_RNDZ);
            for (uint64_t c = k + 1; c < kCols; ++c) {
                mpfr_mul(t1, t0, el(k, c), MPFR_RNDZ);
                mpfr_sub(el(i, c), el(i, c), t1, MPFR_RNDZ);
            }
            mpfr_set_zero(el(i, k), 1);
        }
    }
    for (uint64_t k = kN; k-- > 0;)
        for (uint64_t c = kN; c < kCols; ++c) {
            for (uint64_t j = k + 1; j < kN; ++j) {
                mpfr_mul(t0, el(k, j), el(j, c), MPFR_RNDZ);
                mpfr_sub(el(k, c), el(k, c), t0, MPFR_RNDZ);
            }
            mpfr_div(el(k, c), el(k, c), el(k, k), MPFR_RNDZ);
        }
}

void BM_mpfr_solve(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    const mpfr_prec_t bits = static_cast<mpfr_prec_t>(64 * p + 1);
    const std::vector<uint64_t> W = random_system(p);
    std::vector<mpfr_t> M0(kN * kCols), M(kN * kCols);
    for (uint64_t e = 0; e < M.size(); ++e) {
        mpfr_inits2(bits, M0[e], M[e], static_cast<mpfr_ptr>(nullptr));
        th::to_mpfr(M0[e], W.data() + e * (p + 1), p);
    }
    mpfr_t t0, t1;
    mpfr_inits2(bits, t0, t1, static_cast<mpfr_ptr>(nullptr));
    for (auto _ : state) {
        state.PauseTiming();
        for (uint64_t e = 0; e < M.size(); ++e) mpfr_set(M[e], M0[e], MPFR_RNDN);
        state.ResumeTiming();
        mpfr_solve(M, t0, t1);
        benchmark::DoNotOptimize(M.data());
    }
    mpfr_clears(t0, t1, static_cast<mpfr_ptr>(nullptr));
    for (uint64_t e = 0; e < M.size(); ++e) mpfr_clears(M0[e], M[e], static_cast<mpfr_ptr>(nullptr));
}

BENCHMARK(BM_widefp_solve)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_mpfr_solve)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

const int kPrecisions[] = {4, 16};

}  // namespace

int main(int argc, char **argv) {
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\nsolve n = %llu, r = %llu: CPU time ours / MPFR\n", static_cast<unsigned long long>(kN),
                    static_cast<unsigned long long>(kR));
        for (int p : kPrecisions) {
            const std::string s = "/" + std::to_string(p);
            const double r = reporter.ratio("BM_widefp_solve" + s, "BM_mpfr_solve" + s, benchreport::Time::cpu);
            if (r >= 0) std::printf("  p = %-4d  %.3f\n", p, r);
        }
    });
}
