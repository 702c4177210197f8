// Benchmark of the correctly rounded widefp_rnd_add / widefp_rnd_sub against
// mpfr_add / mpfr_sub at 64p+1 bits, to nearest, on operands with mixed
// exponent differences; a table gives our time over MPFR's per p.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"
#include "widefp_rnd.h"

namespace {

constexpr int kPairs = 64;
const std::vector<uint64_t> kPrecisions = {1, 2, 4, 8, 16, 64, 256, 1023};

struct Operands {
    uint64_t p;
    std::vector<uint64_t> a, b, c;
    std::vector<mpfr_t> ma, mb;
    mpfr_t mc;
    explicit Operands(uint64_t p_) : p(p_), a(kPairs * (p_ + 1)), b(kPairs * (p_ + 1)), c(p_ + 1), ma(kPairs), mb(kPairs) {
        th::Rng rng(0x7e5d + p);
        const auto bits = static_cast<mpfr_prec_t>(64 * p + 1);
        mpfr_init2(mc, bits);
        for (int i = 0; i < kPairs; ++i) {
            th::Words x = th::random_wr(rng, p, -8, 8), y = th::random_wr(rng, p, 0, 0);
            for (uint64_t j = 1; j <= p; ++j) {
                x[j] = rng.word();
                y[j] = rng.word();
            }
            const uint64_t d = i % 4 == 0 ? 0 : i % 4 == 1 ? rng.range(1, 63) : rng.range(1, 64 * p + 2);
            y[0] = (y[0] & th::kSign) | ((x[0] & th::kExpMask) - d);
            std::copy(x.begin(), x.end(), a.begin() + i * (p + 1));
            std::copy(y.begin(), y.end(), b.begin() + i * (p + 1));
            mpfr_init2(ma[i], bits);
            mpfr_init2(mb[i], bits);
            th::to_mpfr(ma[i], x.data(), p);
            th::to_mpfr(mb[i], y.data(), p);
        }
    }
    ~Operands() {
        for (int i = 0; i < kPairs; ++i) {
            mpfr_clear(ma[i]);
            mpfr_clear(mb[i]);
        }
        mpfr_clear(mc);
    }
};

Operands &operands(uint64_t p) {
    static std::map<uint64_t, std::unique_ptr<Operands>> cache;
    auto &slot = cache[p];
    if (!slot) slot = std::make_unique<Operands>(p);
    return *slot;
}

template <bool Sub>
void BM_widefp(benchmark::State &state) {
    Operands &o = operands(static_cast<uint64_t>(state.range(0)));
    const uint64_t p = o.p, stride = p + 1;
    for (auto _ : state) {
        for (int i = 0; i < kPairs; ++i) {
            int t = Sub ? widefp_rnd_sub(o.c.data(), &o.a[i * stride], &o.b[i * stride], p, WIDEFP_RNDN)
                        : widefp_rnd_add(o.c.data(), &o.a[i * stride], &o.b[i * stride], p, WIDEFP_RNDN);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPairs);
}

template <bool Sub>
void BM_mpfr(benchmark::State &state) {
    Operands &o = operands(static_cast<uint64_t>(state.range(0)));
    for (auto _ : state) {
        for (int i = 0; i < kPairs; ++i) {
            int t = Sub ? mpfr_sub(o.mc, o.ma[i], o.mb[i], MPFR_RNDN) : mpfr_add(o.mc, o.ma[i], o.mb[i], MPFR_RNDN);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPairs);
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (uint64_t p : kPrecisions) {
        const auto arg = static_cast<int64_t>(p);
        benchmark::RegisterBenchmark("rnd_add", BM_widefp<false>)->Arg(arg);
        benchmark::RegisterBenchmark("mpfr_add", BM_mpfr<false>)->Arg(arg);
        benchmark::RegisterBenchmark("rnd_sub", BM_widefp<true>)->Arg(arg);
        benchmark::RegisterBenchmark("mpfr_sub", BM_mpfr<true>)->Arg(arg);
    }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\n%6s  %14s  %14s\n", "p", "add ours/mpfr", "sub ours/mpfr");
        for (uint64_t p : kPrecisions) {
            const std::string s = "/" + std::to_string(p);
            auto ratio = [&](const char *ours, const char *theirs) {
                return reporter.ratio(ours + s, theirs + s, benchreport::Time::cpu);
            };
            std::printf("%6llu  %14.3f  %14.3f\n", static_cast<unsigned long long>(p), ratio("rnd_add", "mpfr_add"),
                        ratio("rnd_sub", "mpfr_sub"));
        }
    });
}
