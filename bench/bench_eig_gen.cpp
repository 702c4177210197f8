// Benchmark of the real nonsymmetric eigenproblem (balancing, Hessenberg
// form, double-shift QR) for random matrices of order 50 and 100 at p = 4,
// and of the complex matrix product as the plug-in forms it (four real
// products at p words, then the difference and the sum) against one real
// product of the same size: the ratio should be about 4, a little more for
// the combining pass.  BM_EigCplx: the general complex eigenproblem
// (single-shift complex QR) for random complex matrices of the same orders,
// to compare with BM_EigGen.
#include <benchmark/benchmark.h>

#include <vector>

#include "harness.h"
#include "widefp_linalg.h"

namespace {

th::Words random_matrix(uint64_t count, uint64_t p, uint64_t seed) {
    th::Rng rng(seed);
    th::Words a(count * (p + 1));
    for (uint64_t k = 0; k < count; ++k) {
        th::Words x = th::random_wr(rng, p, -2, 2);
        std::copy(x.begin(), x.end(), a.begin() + k * (p + 1));
    }
    return a;
}

void BM_EigGen(benchmark::State &state) {
    const uint64_t n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words a0 = random_matrix(n * n, p, 0xe19 + n);
    th::Words a(a0.size()), re(n * (p + 1)), im(n * (p + 1)), work(widefp_matrix_eig_gen_work_size(n, p));
    uint64_t sweeps[2] = {0, 0};
    for (auto _ : state) {
        a = a0;
        const int s = widefp_matrix_eig_gen(re.data(), im.data(), sweeps, a.data(), n, 1,
                                            widefp_matrix_eig_gen_sweep_bound(p), p, work.data());
        benchmark::DoNotOptimize(s);
    }
    state.counters["sweeps"] = static_cast<double>(sweeps[1]);
}

void BM_EigCplx(benchmark::State &state) {
    const uint64_t n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words r0 = random_matrix(n * n, p, 0xe19 + n), i0 = random_matrix(n * n, p, 0xc19 + n);
    th::Words ar(r0.size()), ai(i0.size()), re(n * (p + 1)), im(n * (p + 1));
    th::Words work(widefp_matrix_eig_cplx_work_size(n, p));
    uint64_t sweeps[2] = {0, 0};
    for (auto _ : state) {
        ar = r0;
        ai = i0;
        const int s = widefp_matrix_eig_cplx(re.data(), im.data(), nullptr, nullptr, sweeps, ar.data(), ai.data(), n,
                                             1, widefp_matrix_eig_gen_sweep_bound(p), p, work.data());
        benchmark::DoNotOptimize(s);
    }
    state.counters["sweeps"] = static_cast<double>(sweeps[1]);
}

// C = A B (n x n); complex: the real and imaginary parts from four products.
void BM_MatMul(benchmark::State &state) {
    const uint64_t n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const bool cplx = state.range(2) != 0;
    const uint64_t nn = n * n, w = p + 1;
    const th::Words ar = random_matrix(nn, p, 1), ai = random_matrix(nn, p, 2), br = random_matrix(nn, p, 3),
                    bi = random_matrix(nn, p, 4);
    th::Words c1(nn * w), c2(nn * w), c3(nn * w), c4(nn * w), work(widefp_matrix_mul_work_size(p));
    for (auto _ : state) {
        widefp_matrix_mul(c1.data(), ar.data(), br.data(), n, n, n, p, work.data());
        if (cplx) {
            widefp_matrix_mul(c2.data(), ai.data(), bi.data(), n, n, n, p, work.data());
            widefp_matrix_mul(c3.data(), ar.data(), bi.data(), n, n, n, p, work.data());
            widefp_matrix_mul(c4.data(), ai.data(), br.data(), n, n, n, p, work.data());
            for (uint64_t e = 0; e < nn; ++e) {
                widefp_float_sub(&c1[e * w], &c1[e * w], &c2[e * w], p);
                widefp_float_add(&c3[e * w], &c3[e * w], &c4[e * w], p);
            }
        }
        benchmark::DoNotOptimize(c1.data());
    }
}

}  // namespace

BENCHMARK(BM_EigGen)->Args({50, 4})->Args({100, 4})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EigCplx)->Args({50, 4})->Args({100, 4})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatMul)->Args({50, 6, 0})->Args({50, 6, 1})->Args({100, 6, 0})->Args({100, 6, 1})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
