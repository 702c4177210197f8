// Benchmark of the correctly rounded exp, expm1, log, log1p, log2, log10, pow, sinh, cosh, tanh, asinh, acosh and
// atanh against the same MPFR functions at 64p+1 bits, to nearest, on the same random arguments (full fraction
// words); prints ours/MPFR ratios.  With --benchmark_repetitions=N the table takes each benchmark's fastest run (the
// machine may be shared).  At 1,023 words every function runs, on four arguments instead of sixteen.
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

const std::vector<uint64_t> kPrecisions = {1, 2, 4, 8, 16, 64, 256, 1023};
inline int operand_count(uint64_t p) { return p >= 256 ? 4 : 16; }

using Ours1 = int (*)(uint64_t *, const uint64_t *, uint64_t, int);
using Theirs1 = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

struct Function {
    const char *name;
    Ours1 ours;      // unary; nullptr for pow
    Theirs1 theirs;  // unary; nullptr for pow
    int64_t emin, emax;  // argument exponents
    bool negative;       // arguments of either sign
    bool above_one;      // acosh: 1 + x
};
const Function kFunctions[] = {
    {"exp", widefp_rnd_exp, mpfr_exp, -3, 5, true, false},
    {"expm1", widefp_rnd_expm1, mpfr_expm1, -3, 5, true, false},
    {"log", widefp_rnd_log, mpfr_log, -64, 64, false, false},
    {"log1p", widefp_rnd_log1p, mpfr_log1p, -10, 10, false, false},
    {"log2", widefp_rnd_log2, mpfr_log2, -64, 64, false, false},
    {"log10", widefp_rnd_log10, mpfr_log10, -64, 64, false, false},
    {"pow", nullptr, nullptr, -8, 8, false, false},  // exponents of b: -3..5, either sign
    {"sinh", widefp_rnd_sinh, mpfr_sinh, -3, 5, true, false},
    {"cosh", widefp_rnd_cosh, mpfr_cosh, -3, 5, true, false},
    {"tanh", widefp_rnd_tanh, mpfr_tanh, -3, 3, true, false},
    {"asinh", widefp_rnd_asinh, mpfr_asinh, -3, 20, true, false},
    {"acosh", widefp_rnd_acosh, mpfr_acosh, -3, 20, false, true},
    {"atanh", widefp_rnd_atanh, mpfr_atanh, -6, -1, true, false},
};

struct Operands : benchops::Operands {
    Operands(const Function &f, uint64_t p_) : benchops::Operands(p_, operand_count(p_)) {
        th::Rng rng(0xb0e + p);
        for (int i = 0; i < n; ++i) {
            th::Words x = th::random_wr(rng, p, f.emin, f.emax, f.negative), y = th::random_wr(rng, p, -3, 5);
            for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word(), y[j] = rng.word();
            if (f.above_one) {  // 1 + x, rounded
                th::to_mpfr(ma[i], x.data(), p);
                mpfr_add_ui(ma[i], ma[i], 1, MPFR_RNDN);
                x = th::from_mpfr(ma[i], p);
            }
            set(i, x, y);
        }
    }
};

Operands &operands(const Function &f, uint64_t p) {
    static std::map<std::pair<std::string, uint64_t>, std::unique_ptr<Operands>> cache;
    auto &slot = cache[{f.name, p}];
    if (!slot) slot = std::make_unique<Operands>(f, p);
    return *slot;
}

void BM_run(benchmark::State &state, const Function *f, bool mine) {
    Operands &o = operands(*f, static_cast<uint64_t>(state.range(0)));
    const uint64_t p = o.p;
    benchops::time_calls(state, o.n, [&](int i) {
        const uint64_t *a = o.x(i), *b = o.y(i);
        if (mine) return f->ours ? f->ours(o.r.data(), a, p, WIDEFP_RNDN) : widefp_rnd_pow(o.r.data(), a, b, p, WIDEFP_RNDN);
        return f->theirs ? f->theirs(o.mr, o.ma[i], MPFR_RNDN) : mpfr_pow(o.mr, o.ma[i], o.mb[i], MPFR_RNDN);
    });
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (const Function &f : kFunctions)
        for (uint64_t p : kPrecisions) {
            const auto arg = static_cast<int64_t>(p);
            const double t = p >= 256 ? 0.2 : 0.1;
            benchmark::RegisterBenchmark((std::string("ours_") + f.name).c_str(), BM_run, &f, true)->Arg(arg)->MinTime(t);
            benchmark::RegisterBenchmark((std::string("mpfr_") + f.name).c_str(), BM_run, &f, false)->Arg(arg)->MinTime(t);
        }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchreport::Reporter rep;
    benchmark::RunSpecifiedBenchmarks(&rep);
    for (const Function &f : kFunctions) benchreport::print_times(rep, f.name, "call", kPrecisions, operand_count);
    benchmark::Shutdown();
    return 0;
}
