// Benchmark of widefp_float_add / widefp_float_sub against mpfr_add / mpfr_sub (RNDZ, 64p+1 bits),
// and of the correctly rounded widefp_rnd_add / widefp_rnd_sub against them to nearest.
//
// Both sides work on the same positive operands with mixed exponent
// differences (equal exponents, inside a word, whole words, beyond the last
// place), so the add runs add magnitudes and the sub subtracts them.  At the
// end a table gives our time over MPFR's per p.
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

constexpr int kPairs = 64;
const std::vector<uint64_t> kPrecisions = {1, 2, 4, 8, 16, 64, 256, 1023, 1024};

struct Operands : benchops::Operands {
    explicit Operands(uint64_t p_) : benchops::Operands(p_, kPairs) {
        th::Rng rng(0xbe7c + p);
        for (int i = 0; i < kPairs; ++i) {
            th::Words x = th::random_wr(rng, p, -8, 8, false), y = th::random_wr(rng, p, 0, 0, false);
            for (uint64_t j = 1; j <= p; ++j) {  // plain random words
                x[j] = rng.word();
                y[j] = rng.word();
            }
            uint64_t d;
            switch (i % 8) {
                case 0: d = 0; break;
                case 1: d = 1; break;
                case 2: d = rng.range(2, 63); break;
                case 3: d = 64 * rng.range(1, p); break;
                case 4:
                case 5: d = rng.range(1, 64 * p); break;
                case 6: d = 64 * p + rng.range(1, 3); break;
                default: d = rng.range(1, 64 * p / 4 + 1); break;
            }
            y[0] = x[0] - d;
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

template <bool Sub, bool Rounded = false>
void BM_widefp(benchmark::State &state) {
    Operands &o = operands(static_cast<uint64_t>(state.range(0)));
    const uint64_t p = o.p;
    benchops::time_calls(state, kPairs, [&](int i) {
        const uint64_t *a = o.x(i), *b = o.y(i);
        return Rounded ? static_cast<uint64_t>(Sub ? widefp_rnd_sub(o.r.data(), a, b, p, WIDEFP_RNDN)
                                                   : widefp_rnd_add(o.r.data(), a, b, p, WIDEFP_RNDN))
                       : Sub ? widefp_float_sub(o.r.data(), a, b, p) : widefp_float_add(o.r.data(), a, b, p);
    });
}

template <bool Sub, mpfr_rnd_t Mode = MPFR_RNDZ>
void BM_mpfr(benchmark::State &state) {
    Operands &o = operands(static_cast<uint64_t>(state.range(0)));
    benchops::time_calls(state, kPairs, [&](int i) {
        return Sub ? mpfr_sub(o.mr, o.ma[i], o.mb[i], Mode) : mpfr_add(o.mr, o.ma[i], o.mb[i], Mode);
    });
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (uint64_t p : kPrecisions) {
        const auto arg = static_cast<int64_t>(p);
        benchmark::RegisterBenchmark("widefp_add", BM_widefp<false>)->Arg(arg);
        benchmark::RegisterBenchmark("mpfr_add", BM_mpfr<false>)->Arg(arg);
        benchmark::RegisterBenchmark("widefp_sub", BM_widefp<true>)->Arg(arg);
        benchmark::RegisterBenchmark("mpfr_sub", BM_mpfr<true>)->Arg(arg);
        if (p <= 1023) {
            benchmark::RegisterBenchmark("rnd_add", BM_widefp<false, true>)->Arg(arg);
            benchmark::RegisterBenchmark("mpfr_add_rndn", BM_mpfr<false, MPFR_RNDN>)->Arg(arg);
            benchmark::RegisterBenchmark("rnd_sub", BM_widefp<true, true>)->Arg(arg);
            benchmark::RegisterBenchmark("mpfr_sub_rndn", BM_mpfr<true, MPFR_RNDN>)->Arg(arg);
        }
    }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\n%6s  %12s  %12s  %16s  %16s\n", "p", "add ours/mpfr", "sub ours/mpfr", "rounded add, RNDN",
                    "rounded sub, RNDN");
        for (uint64_t p : kPrecisions) {
            const std::string s = "/" + std::to_string(p);
            auto ratio = [&](const char *ours, const char *theirs) {
                return reporter.ratio(ours + s, theirs + s, benchreport::Time::real);
            };
            std::printf("%6llu  %12.3f  %12.3f  %16.3f  %16.3f\n", static_cast<unsigned long long>(p),
                        ratio("widefp_add", "mpfr_add"), ratio("widefp_sub", "mpfr_sub"), ratio("rnd_add", "mpfr_add_rndn"),
                        ratio("rnd_sub", "mpfr_sub_rndn"));
        }
    });
}
