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

struct Operands {
    uint64_t p;
    int n;
    std::vector<uint64_t> a, b, r;
    std::vector<mpfr_t> ma, mb;
    mpfr_t mr;

    Operands(const Function &f, uint64_t p_)
        : p(p_), n(operand_count(p_)), a(n * (p_ + 1)), b(n * (p_ + 1)), r(p_ + 1), ma(n), mb(n) {
        th::Rng rng(0xb0e + p);
        const auto bits = static_cast<mpfr_prec_t>(64 * p + 1);
        mpfr_init2(mr, bits);
        for (int i = 0; i < n; ++i) {
            th::Words x = th::random_wr(rng, p, f.emin, f.emax, f.negative), y = th::random_wr(rng, p, -3, 5);
            for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word(), y[j] = rng.word();
            mpfr_init2(ma[i], bits);
            mpfr_init2(mb[i], bits);
            th::to_mpfr(ma[i], x.data(), p);
            if (f.above_one) {  // 1 + x, rounded
                mpfr_add_ui(ma[i], ma[i], 1, MPFR_RNDN);
                x = th::from_mpfr(ma[i], p);
            }
            th::to_mpfr(mb[i], y.data(), p);
            std::copy(x.begin(), x.end(), a.begin() + i * (p + 1));
            std::copy(y.begin(), y.end(), b.begin() + i * (p + 1));
        }
    }
    ~Operands() {
        for (int i = 0; i < n; ++i) mpfr_clear(ma[i]), mpfr_clear(mb[i]);
        mpfr_clear(mr);
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
    for (auto _ : state) {
        for (int i = 0; i < o.n; ++i) {
            const uint64_t *a = &o.a[i * (p + 1)], *b = &o.b[i * (p + 1)];
            int t;
            if (mine)
                t = f->ours ? f->ours(o.r.data(), a, p, WIDEFP_RNDN) : widefp_rnd_pow(o.r.data(), a, b, p, WIDEFP_RNDN);
            else
                t = f->theirs ? f->theirs(o.mr, o.ma[i], MPFR_RNDN) : mpfr_pow(o.mr, o.ma[i], o.mb[i], MPFR_RNDN);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * o.n);
}

// Console output as usual; keeps the fastest CPU time per iteration of
// each benchmark over its repetitions.
class FastestReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                std::string name = r.benchmark_name();
                name = name.substr(0, name.find("/min_time"));
                name = name.substr(0, name.find("/repeats"));
                auto it = best_.find(name);
                const double t = r.GetAdjustedCPUTime();
                if (it == best_.end() || t < it->second) best_[name] = t;
            }
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string &name) const {
        auto it = best_.find(name);
        return it == best_.end() ? -1 : it->second;
    }

private:
    std::map<std::string, double> best_;
};

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
    FastestReporter rep;
    benchmark::RunSpecifiedBenchmarks(&rep);
    for (const Function &f : kFunctions) {
        std::printf("\n%-7s %6s %14s %14s %10s   (to nearest, per call)\n", f.name, "p", "ours ns", "mpfr ns", "ours/mpfr");
        for (uint64_t p : kPrecisions) {
            const std::string s = std::string(f.name) + "/" + std::to_string(p);
            const double a = rep.time("ours_" + s), b = rep.time("mpfr_" + s);
            if (a < 0 || b < 0) continue;
            const int n = operand_count(p);
            std::printf("%-7s %6llu %14.1f %14.1f %10.3f\n", "", static_cast<unsigned long long>(p), a / n, b / n, a / b);
        }
    }
    benchmark::Shutdown();
    return 0;
}
