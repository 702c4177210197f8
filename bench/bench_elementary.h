// Shared body of the elementary-function benchmarks: one widefp function against its MPFR peer (RNDZ, 64p+1 bits) on the same arguments, with a table of ratios.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"

namespace benchelem {

constexpr int kOperands = 16;
const std::vector<uint64_t> kPrecisions = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1023};

using Ours = uint64_t (*)(uint64_t *, const uint64_t *, uint64_t, uint64_t *);
using Theirs = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

struct Function {
    const char *name;  // "exp": benchmarks widefp_exp/p and mpfr_exp/p
    Ours ours;
    Theirs theirs;
    int64_t emin, emax;  // argument exponents
    uint64_t (*work_size)(uint64_t p) = nullptr;  // words of work; default 2p+5
    bool positive = false;                        // arguments of either sign unless set
};

struct Operands {
    uint64_t p;
    std::vector<uint64_t> x, r, work;
    std::vector<mpfr_t> mx;
    mpfr_t mr;
    Operands(uint64_t p_, const Function &f)
        : p(p_), x(kOperands * (p_ + 1)), r(p_ + 1), work(f.work_size ? f.work_size(p_) : 2 * p_ + 5), mx(kOperands) {
        th::Rng rng(0xe1e + p);
        const auto bits = static_cast<mpfr_prec_t>(64 * p + 1);
        mpfr_init2(mr, bits);
        for (int i = 0; i < kOperands; ++i) {
            th::Words v = th::random_wr(rng, p, f.emin, f.emax, !f.positive);
            for (uint64_t j = 1; j <= p; ++j) v[j] = rng.word();
            std::copy(v.begin(), v.end(), x.begin() + i * (p + 1));
            mpfr_init2(mx[i], bits);
            th::to_mpfr(mx[i], v.data(), p);
        }
    }
    ~Operands() {
        for (auto &m : mx) mpfr_clear(m);
        mpfr_clear(mr);
    }
};

inline Operands &operands(const Function &f, uint64_t p) {
    static std::map<std::pair<std::string, uint64_t>, std::unique_ptr<Operands>> cache;
    auto &slot = cache[{f.name, p}];
    if (!slot) slot = std::make_unique<Operands>(p, f);
    return *slot;
}

inline void run_ours(benchmark::State &state, const Function &f) {
    Operands &o = operands(f, static_cast<uint64_t>(state.range(0)));
    const uint64_t p = o.p, stride = p + 1;
    for (auto _ : state) {
        for (int i = 0; i < kOperands; ++i) benchmark::DoNotOptimize(f.ours(o.r.data(), &o.x[i * stride], p, o.work.data()));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kOperands);
}

inline void run_theirs(benchmark::State &state, const Function &f) {
    Operands &o = operands(f, static_cast<uint64_t>(state.range(0)));
    for (auto _ : state) {
        for (int i = 0; i < kOperands; ++i) benchmark::DoNotOptimize(f.theirs(o.mr, o.mx[i], MPFR_RNDZ));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kOperands);
}

// Registers ours and theirs for every precision, runs, prints the ratios
// (CPU time: the machine may be shared).
inline int main(int argc, char **argv, const std::vector<Function> &functions) {
    th::Mp::widen_range();
    for (const Function &f : functions)
        for (uint64_t p : kPrecisions) {
            const auto arg = static_cast<int64_t>(p);
            benchmark::RegisterBenchmark((std::string("widefp_") + f.name).c_str(), [&f](benchmark::State &s) { run_ours(s, f); })
                ->Arg(arg);
            benchmark::RegisterBenchmark((std::string("mpfr_") + f.name).c_str(), [&f](benchmark::State &s) { run_theirs(s, f); })
                ->Arg(arg);
        }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        for (const Function &f : functions) {
            std::printf("\n%6s  %14s  %14s  %10s   (%s)\n", "p", "ours ns/call", "mpfr ns/call", "ours/mpfr", f.name);
            for (uint64_t p : kPrecisions) {
                const std::string s = "/" + std::to_string(p);
                const double a = reporter.time(std::string("widefp_") + f.name + s, benchreport::Time::cpu);
                const double b = reporter.time(std::string("mpfr_") + f.name + s, benchreport::Time::cpu);
                if (a < 0 || b <= 0) continue;
                std::printf("%6llu  %14.1f  %14.1f  %10.3f\n", static_cast<unsigned long long>(p), a / kOperands,
                            b / kOperands, a / b);
            }
        }
    });
}

}  // namespace benchelem
