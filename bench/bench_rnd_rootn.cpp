// Benchmark of the correctly rounded n-th root (n = 3, 7, -3) and of fmod
// (exponent gaps of 10 and 10,000 bits, and 2^40) against MPFR's rootn_si
// and fmod at 64p+1 bits, to nearest, on the same random operands (full
// fraction words).  Time per call in microseconds, and ours/MPFR.
#include <benchmark/benchmark.h>

#include <vector>

#include "harness.h"
#include "widefp_rnd.h"

namespace {

constexpr int kCount = 8;

struct Set {
    uint64_t p;
    std::vector<th::Words> x, y;
    std::vector<mpfr_t> mx, my;
    explicit Set(uint64_t p_, int64_t gap) : p(p_), mx(kCount), my(kCount) {
        th::Rng rng(0xb007 + p);
        for (int i = 0; i < kCount; ++i) {
            th::Words a = th::random_wr(rng, p, -20, 20, false), b = th::random_wr(rng, p, -20, 20, false);
            for (uint64_t j = 1; j <= p; ++j) a[j] = rng.word(), b[j] = rng.word();
            a[0] += static_cast<uint64_t>(gap);
            x.push_back(a);
            y.push_back(b);
            mpfr_init2(mx[i], 64 * p + 1);
            mpfr_init2(my[i], 64 * p + 1);
            th::to_mpfr(mx[i], a.data(), p);
            th::to_mpfr(my[i], b.data(), p);
        }
    }
    ~Set() {
        for (int i = 0; i < kCount; ++i) mpfr_clear(mx[i]), mpfr_clear(my[i]);
    }
};

void root_ours(benchmark::State &st, int64_t n) {
    const Set s(st.range(0), 0);
    th::Words r(s.p + 1);
    int i = 0;
    for (auto _ : st) {
        widefp_rnd_rootn_si(r.data(), s.x[i].data(), n, s.p, WIDEFP_RNDN);
        i = (i + 1) % kCount;
    }
}
void root_mpfr(benchmark::State &st, int64_t n) {
    const Set s(st.range(0), 0);
    th::Mp r(s.p);
    int i = 0;
    for (auto _ : st) {
        mpfr_rootn_si(r, s.mx[i], n, MPFR_RNDN);
        i = (i + 1) % kCount;
    }
}
void fmod_ours(benchmark::State &st, int64_t gap) {
    const Set s(st.range(0), gap);
    th::Words r(s.p + 1);
    int i = 0;
    for (auto _ : st) {
        widefp_rnd_fmod(r.data(), s.x[i].data(), s.y[i].data(), s.p, WIDEFP_RNDN);
        i = (i + 1) % kCount;
    }
}
void fmod_mpfr(benchmark::State &st, int64_t gap) {
    const Set s(st.range(0), gap);
    th::Mp r(s.p);
    int i = 0;
    for (auto _ : st) {
        mpfr_fmod(r, s.mx[i], s.my[i], MPFR_RNDN);
        i = (i + 1) % kCount;
    }
}

void precisions(benchmark::internal::Benchmark *b) {
    for (int64_t p : {1, 4, 16, 64, 256, 1023}) b->Arg(p);
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(root_ours, n3, 3)->Apply(precisions);
BENCHMARK_CAPTURE(root_mpfr, n3, 3)->Apply(precisions);
BENCHMARK_CAPTURE(root_ours, n7, 7)->Apply(precisions);
BENCHMARK_CAPTURE(root_mpfr, n7, 7)->Apply(precisions);
BENCHMARK_CAPTURE(root_ours, n_minus3, -3)->Apply(precisions);
BENCHMARK_CAPTURE(root_mpfr, n_minus3, -3)->Apply(precisions);
BENCHMARK_CAPTURE(fmod_ours, gap10, 10)->Apply(precisions);
BENCHMARK_CAPTURE(fmod_mpfr, gap10, 10)->Apply(precisions);
BENCHMARK_CAPTURE(fmod_ours, gap10000, 10000)->Apply(precisions);
BENCHMARK_CAPTURE(fmod_mpfr, gap10000, 10000)->Apply(precisions);
BENCHMARK_CAPTURE(fmod_ours, gap2e40, int64_t{1} << 40)->Apply(precisions);
BENCHMARK_CAPTURE(fmod_mpfr, gap2e40, int64_t{1} << 40)->Apply(precisions);

}  // namespace

BENCHMARK_MAIN();
