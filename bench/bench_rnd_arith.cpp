// Benchmark of the correctly rounded product, quotient, square root, hypot
// and integer power against mpfr_mul, mpfr_div, mpfr_sqrt, mpfr_hypot and
// mpfr_pow_si at 64p+1 bits, to nearest; prints ours/MPFR ratios.  With
// --benchmark_repetitions=N the table takes each benchmark's fastest run
// (the machine may be shared).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_operands.h"
#include "bench_report.h"
#include "harness.h"
#include "widefp_rnd.h"

namespace {

constexpr int kOperands = 16;
constexpr int64_t kPower = 23;  // the exponent of pow_si
const std::vector<uint64_t> kPrecisions = {1, 2, 4, 8, 16, 64, 256, 1023};
const char *const kOps[] = {"mul", "div", "sqrt", "hypot", "pow_si"};

// kOperands pairs of random operands (positive for sqrt), ours and MPFR's.
struct Operands : benchops::Operands {
    explicit Operands(uint64_t p_) : benchops::Operands(p_, kOperands) {
        th::Rng rng(0xa817 + p);
        for (int i = 0; i < kOperands; ++i) {
            th::Words x = th::random_wr(rng, p, -40, 40, false), y = th::random_wr(rng, p, -40, 40);
            for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word(), y[j] = rng.word();
            set(i, x, y);
        }
    }
};

Operands &operands(uint64_t p) {
    static std::map<uint64_t, std::unique_ptr<Operands>> cache;
    auto &slot = cache[p];
    if (!slot) slot = std::make_unique<Operands>(p);
    return *slot;
}

int ours(int op, Operands &o, int i) {
    const uint64_t p = o.p, *a = &o.a[i * (p + 1)], *b = &o.b[i * (p + 1)];
    uint64_t *r = o.r.data();
    switch (op) {
        case 0: return widefp_rnd_mul(r, a, b, p, WIDEFP_RNDN);
        case 1: return widefp_rnd_div(r, a, b, p, WIDEFP_RNDN);
        case 2: return widefp_rnd_sqrt(r, a, p, WIDEFP_RNDN);
        case 3: return widefp_rnd_hypot(r, a, b, p, WIDEFP_RNDN);
        default: return widefp_rnd_pow_si(r, a, kPower, p, WIDEFP_RNDN);
    }
}

int theirs(int op, Operands &o, int i) {
    switch (op) {
        case 0: return mpfr_mul(o.mr, o.ma[i], o.mb[i], MPFR_RNDN);
        case 1: return mpfr_div(o.mr, o.ma[i], o.mb[i], MPFR_RNDN);
        case 2: return mpfr_sqrt(o.mr, o.ma[i], MPFR_RNDN);
        case 3: return mpfr_hypot(o.mr, o.ma[i], o.mb[i], MPFR_RNDN);
        default: return mpfr_pow_si(o.mr, o.ma[i], kPower, MPFR_RNDN);
    }
}

void BM_run(benchmark::State &state, int op, bool mine) {
    Operands &o = operands(static_cast<uint64_t>(state.range(0)));
    benchops::time_calls(state, kOperands, [&](int i) { return mine ? ours(op, o, i) : theirs(op, o, i); });
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (int op = 0; op < 5; ++op)
        for (uint64_t p : kPrecisions) {
            const auto arg = static_cast<int64_t>(p);
            const double t = p >= 256 ? 0.3 : 0.1;
            benchmark::RegisterBenchmark((std::string("ours_") + kOps[op]).c_str(), BM_run, op, true)->Arg(arg)->MinTime(t);
            benchmark::RegisterBenchmark((std::string("mpfr_") + kOps[op]).c_str(), BM_run, op, false)->Arg(arg)->MinTime(t);
        }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchreport::Reporter rep;
    benchmark::RunSpecifiedBenchmarks(&rep);
    for (const char *op : kOps) benchreport::print_times(rep, op, "operation", kPrecisions, [](uint64_t) { return kOperands; });
    benchmark::Shutdown();
    return 0;
}
