// bench_matmul -- wr_matmul's loop against a plain MPFR triple loop
// (mpfr_mul and mpfr_add rounding toward zero at 64p+1 bits), n = 50.
#include <benchmark/benchmark.h>
#include <mpfr.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"
#include "widefp_linalg.h"

namespace {

constexpr uint64_t kN = 50;

// A and B: n*n random elements of precision p in [1/4, 2) with random signs.
std::vector<uint64_t> random_matrix(th::Rng &rng, uint64_t p) {
    std::vector<uint64_t> a(kN * kN * (p + 1));
    for (uint64_t e = 0; e < kN * kN; ++e) {
        th::Words x = th::random_wr(rng, p, -2, 0);
        std::copy(x.begin(), x.end(), a.begin() + e * (p + 1));
    }
    return a;
}

void BM_widefp_matmul(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    th::Rng rng(1);
    std::vector<uint64_t> A = random_matrix(rng, p), B = random_matrix(rng, p);
    std::vector<uint64_t> C(kN * kN * (p + 1)), t(p + 1);
    for (auto _ : state) {
        widefp_matrix_mul(C.data(), A.data(), B.data(), kN, kN, kN, p, t.data());
        benchmark::DoNotOptimize(C.data());
    }
}

void BM_mpfr_matmul(benchmark::State &state) {
    const uint64_t p = static_cast<uint64_t>(state.range(0));
    const mpfr_prec_t bits = static_cast<mpfr_prec_t>(64 * p + 1);
    th::Rng rng(1);
    std::vector<uint64_t> Aw = random_matrix(rng, p), Bw = random_matrix(rng, p);
    std::vector<mpfr_t> A(kN * kN), B(kN * kN), C(kN * kN);
    for (uint64_t e = 0; e < kN * kN; ++e) {
        mpfr_inits2(bits, A[e], B[e], C[e], static_cast<mpfr_ptr>(nullptr));
        th::to_mpfr(A[e], Aw.data() + e * (p + 1), p);
        th::to_mpfr(B[e], Bw.data() + e * (p + 1), p);
    }
    mpfr_t t;
    mpfr_init2(t, bits);
    for (auto _ : state) {
        // same layouts and order as wr_matmul: A by rows, B and C by columns
        for (uint64_t i = 0; i < kN; ++i)
            for (uint64_t j = 0; j < kN; ++j) {
                mpfr_ptr c = C[j * kN + i];
                mpfr_set_zero(c, 1);
                for (uint64_t l = 0; l < kN; ++l) {
                    mpfr_mul(t, A[i * kN + l], B[j * kN + l], MPFR_RNDZ);
                    mpfr_add(c, c, t, MPFR_RNDZ);
                }
            }
        benchmark::DoNotOptimize(C.data());
    }
    mpfr_clear(t);
    for (uint64_t e = 0; e < kN * kN; ++e) mpfr_clears(A[e], B[e], C[e], static_cast<mpfr_ptr>(nullptr));
}

BENCHMARK(BM_widefp_matmul)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_mpfr_matmul)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

const int kPrecisions[] = {4, 16};

}  // namespace

int main(int argc, char **argv) {
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\nmatmul n = %llu: CPU time ours / MPFR\n", static_cast<unsigned long long>(kN));
        for (int p : kPrecisions) {
            const std::string s = "/" + std::to_string(p);
            const double r = reporter.ratio("BM_widefp_matmul" + s, "BM_mpfr_matmul" + s, benchreport::Time::cpu);
            if (r >= 0) std::printf("  p = %-4d  %.3f\n", p, r);
        }
    });
}
