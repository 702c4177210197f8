// Shared operands of the benchmarks: n pairs of widereals at precision p, ours and MPFR's copies at 64p+1 bits, and the loop that times calls on them.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "harness.h"

namespace benchops {

// a and b hold n operands of p+1 words each (stride p+1), ma and mb the same
// values for MPFR; r and mr take the results.  Each benchmark fills the
// pairs with set().
struct Operands {
    uint64_t p;
    int n;
    std::vector<uint64_t> a, b, r;
    std::vector<mpfr_t> ma, mb;
    mpfr_t mr;

    Operands(uint64_t p_, int n_) : p(p_), n(n_), a(n_ * (p_ + 1)), b(n_ * (p_ + 1)), r(p_ + 1), ma(n_), mb(n_) {
        const auto bits = static_cast<mpfr_prec_t>(64 * p + 1);
        mpfr_init2(mr, bits);
        for (int i = 0; i < n; ++i) {
            mpfr_init2(ma[i], bits);
            mpfr_init2(mb[i], bits);
        }
    }
    Operands(const Operands &) = delete;
    Operands &operator=(const Operands &) = delete;
    ~Operands() {
        for (int i = 0; i < n; ++i) mpfr_clear(ma[i]), mpfr_clear(mb[i]);
        mpfr_clear(mr);
    }

    // Pair i becomes (x, y), both of precision p.
    void set(int i, const th::Words &x, const th::Words &y) {
        std::copy(x.begin(), x.end(), a.begin() + i * (p + 1));
        std::copy(y.begin(), y.end(), b.begin() + i * (p + 1));
        th::to_mpfr(ma[i], x.data(), p);
        th::to_mpfr(mb[i], y.data(), p);
    }

    const uint64_t *x(int i) const { return &a[i * (p + 1)]; }
    const uint64_t *y(int i) const { return &b[i * (p + 1)]; }
};

// The timed loop: each iteration makes the n calls call(0..n-1), whose
// results are kept alive; items are calls.
template <class Call>
void time_calls(benchmark::State &state, int n, Call call) {
    for (auto _ : state) {
        for (int i = 0; i < n; ++i) {
            auto t = call(i);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace benchops
