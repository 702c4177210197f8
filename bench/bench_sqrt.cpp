// Benchmark of widefp_float_sqrt against mpfr_sqrt (RNDZ, 64p+1 bits), with a table of ratios at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"

namespace {

constexpr int kOperands = 16;
const std::vector<uint64_t> kPrecisions = {2, 3, 4, 8, 16, 32, 64, 128, 256, 512, 719, 720, 1000};

struct Operands {
    uint64_t p;
    std::vector<uint64_t> x, r, work;  // kOperands elements of stride p+1; result; work area
    std::vector<mpfr_t> mx;
    mpfr_t mr;

    explicit Operands(uint64_t p_) : p(p_), x(kOperands * (p_ + 1)), r(p_ + 1), work(4 * p_ + 8), mx(kOperands) {
        th::Rng rng(0x5097 + p);
        const auto bits = static_cast<mpfr_prec_t>(64 * p + 1);
        mpfr_init2(mr, bits);
        for (int i = 0; i < kOperands; ++i) {
            th::Words v = th::random_wr(rng, p, -40, 40, false);
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

Operands &operands(uint64_t p) {
    static std::map<uint64_t, std::unique_ptr<Operands>> cache;
    auto &slot = cache[p];
    if (!slot) slot = std::make_unique<Operands>(p);
    return *slot;
}

void BM_widefp(benchmark::State &state) {
    Operands &o = operands(static_cast<uint64_t>(state.range(0)));
    const uint64_t p = o.p, stride = p + 1;
    for (auto _ : state) {
        for (int i = 0; i < kOperands; ++i) {
            uint64_t g = widefp_float_sqrt(o.r.data(), &o.x[i * stride], p, o.work.data());
            benchmark::DoNotOptimize(g);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kOperands);
}

void BM_mpfr(benchmark::State &state) {
    Operands &o = operands(static_cast<uint64_t>(state.range(0)));
    for (auto _ : state) {
        for (int i = 0; i < kOperands; ++i) {
            int t = mpfr_sqrt(o.mr, o.mx[i], MPFR_RNDZ);
            benchmark::DoNotOptimize(t);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kOperands);
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (uint64_t p : kPrecisions) {
        const auto arg = static_cast<int64_t>(p);
        benchmark::RegisterBenchmark("widefp_sqrt", BM_widefp)->Arg(arg);
        benchmark::RegisterBenchmark("mpfr_sqrt", BM_mpfr)->Arg(arg);
    }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        std::printf("\n%6s  %14s  %14s  %10s\n", "p", "ours ns/sqrt", "mpfr ns/sqrt", "ours/mpfr");
        for (uint64_t p : kPrecisions) {
            const std::string s = "/" + std::to_string(p);
            const double a = reporter.time("widefp_sqrt" + s, benchreport::Time::real);
            const double b = reporter.time("mpfr_sqrt" + s, benchreport::Time::real);
            if (a < 0 || b <= 0) continue;
            std::printf("%6llu  %14.1f  %14.1f  %10.3f\n", static_cast<unsigned long long>(p), a / kOperands,
                        b / kOperands, a / b);
        }
    });
}
