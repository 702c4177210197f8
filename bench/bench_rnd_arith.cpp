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

#include "harness.h"
#include "widefp_rnd.h"

namespace {

constexpr int kOperands = 16;
constexpr int64_t kPower = 23;  // the exponent of pow_si
const std::vector<uint64_t> kPrecisions = {1, 2, 4, 8, 16, 64, 256, 1023};
const char *const kOps[] = {"mul", "div", "sqrt", "hypot", "pow_si"};

// kOperands pairs of random operands (positive for sqrt), ours and MPFR's.
struct Operands {
    uint64_t p;
    std::vector<uint64_t> a, b, r;
    std::vector<mpfr_t> ma, mb;
    mpfr_t mr;

    explicit Operands(uint64_t p_) : p(p_), a(kOperands * (p_ + 1)), b(kOperands * (p_ + 1)), r(p_ + 1), ma(kOperands), mb(kOperands) {
        th::Rng rng(0xa817 + p);
        const auto bits = static_cast<mpfr_prec_t>(64 * p + 1);
        mpfr_init2(mr, bits);
        for (int i = 0; i < kOperands; ++i) {
            th::Words x = th::random_wr(rng, p, -40, 40, false), y = th::random_wr(rng, p, -40, 40);
            for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word(), y[j] = rng.word();
            std::copy(x.begin(), x.end(), a.begin() + i * (p + 1));
            std::copy(y.begin(), y.end(), b.begin() + i * (p + 1));
            mpfr_init2(ma[i], bits);
            mpfr_init2(mb[i], bits);
            th::to_mpfr(ma[i], x.data(), p);
            th::to_mpfr(mb[i], y.data(), p);
        }
    }
    ~Operands() {
        for (int i = 0; i < kOperands; ++i) mpfr_clear(ma[i]), mpfr_clear(mb[i]);
        mpfr_clear(mr);
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
    for (auto _ : state) {
        for (int i = 0; i < kOperands; ++i) {
            int t = mine ? ours(op, o, i) : theirs(op, o, i);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kOperands);
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
    for (int op = 0; op < 5; ++op)
        for (uint64_t p : kPrecisions) {
            const auto arg = static_cast<int64_t>(p);
            const double t = p >= 256 ? 0.3 : 0.1;
            benchmark::RegisterBenchmark((std::string("ours_") + kOps[op]).c_str(), BM_run, op, true)->Arg(arg)->MinTime(t);
            benchmark::RegisterBenchmark((std::string("mpfr_") + kOps[op]).c_str(), BM_run, op, false)->Arg(arg)->MinTime(t);
        }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    FastestReporter rep;
    benchmark::RunSpecifiedBenchmarks(&rep);
    {
        for (const char *op : kOps) {
            std::printf("\n%-7s %6s %14s %14s %10s   (to nearest, per operation)\n", op, "p", "ours ns", "mpfr ns", "ours/mpfr");
            for (uint64_t p : kPrecisions) {
                const std::string ours_name = std::string("ours_") + op + "/" + std::to_string(p);
                const std::string mpfr_name = std::string("mpfr_") + op + "/" + std::to_string(p);
                const double a = rep.time(ours_name), b = rep.time(mpfr_name);
                if (a < 0 || b < 0) continue;
                std::printf("%-7s %6llu %14.1f %14.1f %10.3f\n", "", static_cast<unsigned long long>(p), a / kOperands,
                            b / kOperands, a / b);
            }
        }
    }
    benchmark::Shutdown();
    return 0;
}
