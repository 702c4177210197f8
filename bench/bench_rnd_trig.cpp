// Benchmark of the correctly rounded sine, cosine, tangent, arctangent,
// arcsine, arccosine and atan2 against mpfr_sin, mpfr_cos, mpfr_tan,
// mpfr_atan, mpfr_asin, mpfr_acos and mpfr_atan2 at 64p+1 bits, in the same
// mode (to nearest and toward zero), on the same arguments: either sign,
// |x| up to 2^5 for sin, cos and tan, exponents -8..8 for atan and atan2,
// -8..-1 for asin and acos.  Prints ours/MPFR per p (CPU time: the machine
// may be shared).
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
const char *const kFns[] = {"sin", "cos", "tan", "atan", "asin", "acos", "atan2"};
constexpr int kFnCount = 7;
const int kModes[] = {WIDEFP_RNDN, WIDEFP_RNDZ};

// Arguments per call: 16, 4 from 256 words on (a call there takes
// milliseconds).
int operand_count(uint64_t p) { return p >= 256 ? 4 : 16; }

struct Operands : benchops::Operands {
    Operands(uint64_t p_, int fn) : benchops::Operands(p_, operand_count(p_)) {
        th::Rng rng(0x7216 + 31 * p + fn);
        const int64_t lo = fn <= 2 ? -3 : -8, hi = fn <= 2 ? 5 : fn == 4 || fn == 5 ? -1 : 8;
        for (int i = 0; i < n; ++i) {
            th::Words x = th::random_wr(rng, p, lo, hi), y = th::random_wr(rng, p, lo, hi);
            for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word(), y[j] = rng.word();
            set(i, x, y);
        }
    }
};

Operands &operands(uint64_t p, int fn) {
    static std::map<std::pair<uint64_t, int>, std::unique_ptr<Operands>> cache;
    auto &slot = cache[{p, fn}];
    if (!slot) slot = std::make_unique<Operands>(p, fn);
    return *slot;
}

int ours(int fn, Operands &o, int i, int mode) {
    const uint64_t p = o.p, *a = &o.a[i * (p + 1)], *b = &o.b[i * (p + 1)];
    uint64_t *r = o.r.data();
    switch (fn) {
        case 0: return widefp_rnd_sin(r, a, p, mode);
        case 1: return widefp_rnd_cos(r, a, p, mode);
        case 2: return widefp_rnd_tan(r, a, p, mode);
        case 3: return widefp_rnd_atan(r, a, p, mode);
        case 4: return widefp_rnd_asin(r, a, p, mode);
        case 5: return widefp_rnd_acos(r, a, p, mode);
        default: return widefp_rnd_atan2(r, a, b, p, mode);
    }
}

int theirs(int fn, Operands &o, int i, int mode) {
    const mpfr_rnd_t rnd = mode == WIDEFP_RNDZ ? MPFR_RNDZ : MPFR_RNDN;
    switch (fn) {
        case 0: return mpfr_sin(o.mr, o.ma[i], rnd);
        case 1: return mpfr_cos(o.mr, o.ma[i], rnd);
        case 2: return mpfr_tan(o.mr, o.ma[i], rnd);
        case 3: return mpfr_atan(o.mr, o.ma[i], rnd);
        case 4: return mpfr_asin(o.mr, o.ma[i], rnd);
        case 5: return mpfr_acos(o.mr, o.ma[i], rnd);
        default: return mpfr_atan2(o.mr, o.ma[i], o.mb[i], rnd);
    }
}

void run(benchmark::State &state, int fn, bool mine) {
    const int mode = static_cast<int>(state.range(1));
    Operands &o = operands(static_cast<uint64_t>(state.range(0)), fn);
    benchops::time_calls(state, o.n, [&](int i) { return mine ? ours(fn, o, i, mode) : theirs(fn, o, i, mode); });
}

std::string name(const char *who, int fn) { return std::string(who) + "_" + kFns[fn]; }

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (int fn = 0; fn < kFnCount; ++fn)
        for (uint64_t p : kPrecisions)
            for (int mode : kModes) {
                const std::vector<int64_t> args = {static_cast<int64_t>(p), mode};
                benchmark::RegisterBenchmark(name("rnd", fn).c_str(), [fn](benchmark::State &s) { run(s, fn, true); })
                    ->Args(args);
                benchmark::RegisterBenchmark(name("mpfr", fn).c_str(), [fn](benchmark::State &s) { run(s, fn, false); })
                    ->Args(args);
            }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        for (int mode : kModes) {
            std::printf("\nours/mpfr, %s\n%6s", mode == WIDEFP_RNDN ? "to nearest" : "toward zero", "p");
            for (const char *f : kFns) std::printf("  %7s", f);
            std::printf("\n");
            for (uint64_t p : kPrecisions) {
                std::printf("%6llu", static_cast<unsigned long long>(p));
                const std::string s = "/" + std::to_string(p) + "/" + std::to_string(mode);
                for (int fn = 0; fn < kFnCount; ++fn) {
                    const double r = reporter.ratio(name("rnd", fn) + s, name("mpfr", fn) + s, benchreport::Time::cpu);
                    if (r < 0)
                        std::printf("  %7s", "-");
                    else
                        std::printf("  %7.3f", r);
                }
                std::printf("\n");
            }
        }
    });
}
