// Benchmark of the correctly rounded special functions against MPFR's (RNDN, 64p+1 bits): gamma, lgamma, erf, erfc, beta.
//
// Both sides get the same arguments: Gamma and ln|Gamma| on [1/4, 32) of either
// sign (no integers), erf and erfc on [1/8, 4) of either sign, Beta on pairs
// in [1/4, 16).  MPFR keeps its Bernoulli numbers between calls (warm after
// the first iteration); ours come from a table up to p = 16 and are computed
// per call above.  A table at the end gives our time over MPFR's per p.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"
#include "widefp_special.h"

namespace {

constexpr int kArgs = 8;
const std::vector<uint64_t> kPrecisions = {1, 2, 4, 8, 16, 64};

struct Args {
    uint64_t p;
    std::vector<uint64_t> a, b, y;
    std::vector<mpfr_t> ma, mb;
    mpfr_t my;
    Args(uint64_t p_, int64_t emin, int64_t emax, bool signs)
        : p(p_), a(kArgs * (p_ + 1)), b(kArgs * (p_ + 1)), y(p_ + 1), ma(kArgs), mb(kArgs) {
        th::Rng rng(0x5bec + p);
        const auto bits = static_cast<mpfr_prec_t>(64 * p + 1);
        mpfr_init2(my, bits);
        for (int i = 0; i < kArgs; ++i) {
            for (auto *v : {&a, &b}) {
                th::Words x = th::random_wr(rng, p, emin, emax, signs);
                for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word();  // full-length, never an integer
                std::copy(x.begin(), x.end(), v->begin() + i * (p + 1));
            }
            mpfr_init2(ma[i], bits);
            mpfr_init2(mb[i], bits);
            th::to_mpfr(ma[i], &a[i * (p + 1)], p);
            th::to_mpfr(mb[i], &b[i * (p + 1)], p);
        }
    }
    ~Args() {
        for (int i = 0; i < kArgs; ++i) {
            mpfr_clear(ma[i]);
            mpfr_clear(mb[i]);
        }
        mpfr_clear(my);
    }
};

struct Function {
    const char *name;
    int64_t emin, emax;
    bool signs;
};
const Function kFunctions[] = {
    {"gamma", -2, 4, true}, {"lgamma", -2, 4, true}, {"erf", -3, 1, true}, {"erfc", -3, 1, true}, {"beta", -2, 3, false}};

Args &args(const Function &f, uint64_t p) {
    static std::map<std::pair<std::string, uint64_t>, std::unique_ptr<Args>> cache;
    auto &slot = cache[{f.name, p}];
    if (!slot) slot = std::make_unique<Args>(p, f.emin, f.emax, f.signs);
    return *slot;
}

void ours(benchmark::State &state, const Function &f) {
    Args &o = args(f, static_cast<uint64_t>(state.range(0)));
    const uint64_t p = o.p, s = p + 1;
    const std::string n = f.name;
    int sign;
    for (auto _ : state) {
        for (int i = 0; i < kArgs; ++i) {
            const uint64_t *a = &o.a[i * s], *b = &o.b[i * s];
            int t;
            if (n == "gamma")
                t = widefp_rnd_gamma(o.y.data(), a, p, WIDEFP_RNDN);
            else if (n == "lgamma")
                t = widefp_rnd_lgamma(o.y.data(), &sign, a, p, WIDEFP_RNDN);
            else if (n == "erf")
                t = widefp_rnd_erf(o.y.data(), a, p, WIDEFP_RNDN);
            else if (n == "erfc")
                t = widefp_rnd_erfc(o.y.data(), a, p, WIDEFP_RNDN);
            else
                t = widefp_rnd_beta(o.y.data(), a, b, p, WIDEFP_RNDN);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kArgs);
}

void theirs(benchmark::State &state, const Function &f) {
    Args &o = args(f, static_cast<uint64_t>(state.range(0)));
    const std::string n = f.name;
    int sign;
    for (auto _ : state) {
        for (int i = 0; i < kArgs; ++i) {
            int t;
            if (n == "gamma")
                t = mpfr_gamma(o.my, o.ma[i], MPFR_RNDN);
            else if (n == "lgamma")
                t = mpfr_lgamma(o.my, &sign, o.ma[i], MPFR_RNDN);
            else if (n == "erf")
                t = mpfr_erf(o.my, o.ma[i], MPFR_RNDN);
            else if (n == "erfc")
                t = mpfr_erfc(o.my, o.ma[i], MPFR_RNDN);
            else
                t = mpfr_beta(o.my, o.ma[i], o.mb[i], MPFR_RNDN);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kArgs);
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (const Function &f : kFunctions) {
        for (uint64_t p : kPrecisions) {
            const auto arg = static_cast<int64_t>(p);
            benchmark::RegisterBenchmark((std::string("rnd_") + f.name).c_str(), ours, f)->Arg(arg);
            benchmark::RegisterBenchmark((std::string("mpfr_") + f.name).c_str(), theirs, f)->Arg(arg);
        }
    }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\nours / MPFR (real time), RNDN\n%6s", "p");
        for (const Function &f : kFunctions) std::printf("  %8s", f.name);
        std::printf("\n");
        for (uint64_t p : kPrecisions) {
            std::printf("%6llu", static_cast<unsigned long long>(p));
            for (const Function &f : kFunctions) {
                const std::string s = std::string(f.name) + "/" + std::to_string(p);
                std::printf("  %8.3f", reporter.ratio("rnd_" + s, "mpfr_" + s, benchreport::Time::real));
            }
            std::printf("\n");
        }
    });
}
