// Benchmark of the orthogonal factorisations: wr_qr's algorithm against the same Householder QR written with
// MPFR (RNDZ, 64p+1 bits), and wr_svd's algorithm in absolute times with their growth in n and p.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"
#include "widefp_linalg.h"


namespace {

const std::vector<int64_t> kSizes = {10, 20, 30};
const std::vector<int64_t> kPrecisions = {2, 4, 8};

th::Words random_matrix(uint64_t n, uint64_t p) {
    th::Rng rng(0x0a7 + n * 31 + p);
    th::Words a(n * n * (p + 1));
    for (uint64_t k = 0; k < n * n; ++k) {
        th::Words x = th::random_wr(rng, p, -2, 2);
        std::copy(x.begin(), x.end(), a.begin() + k * (p + 1));
    }
    return a;
}

// The Householder QR of wr_qr, step for step, on MPFR numbers of 64p+1 bits
// rounded toward zero (Q and R formed as with both flags set).
class MpfrQr {
public:
    MpfrQr(uint64_t n, uint64_t p) : n_(n), bits_(static_cast<mpfr_prec_t>(64 * p + 1)) {
        a_.resize(n * n);
        q_.resize(n * n);
        for (auto *v : {&a_, &q_})
            for (auto &x : *v) mpfr_init2(x.v, bits_);
        for (auto *x : {&t_, &s_, &norm_}) mpfr_init2(x->v, bits_);
        d_.resize(n);
        for (auto &x : d_) mpfr_init2(x.v, bits_);
    }
    ~MpfrQr() {
        for (auto *v : {&a_, &q_, &d_})
            for (auto &x : *v) mpfr_clear(x.v);
        for (auto *x : {&t_, &s_, &norm_}) mpfr_clear(x->v);
    }
    void load(const th::Words &a, uint64_t p) {
        for (uint64_t k = 0; k < n_ * n_; ++k) th::to_mpfr(a_[k].v, &a[k * (p + 1)], p);
    }
    void run() {
        const uint64_t n = n_;
        const mpfr_rnd_t z = MPFR_RNDZ;
        auto A = [&](uint64_t i, uint64_t j) { return a_[i * n + j].v; };
        auto Q = [&](uint64_t i, uint64_t j) { return q_[i * n + j].v; };
        mpfr_ptr t = t_.v, s = s_.v, norm = norm_.v;
        for (uint64_t k = 0; k < n; ++k) {
            mpfr_set_zero(norm, 1);
            for (uint64_t i = k; i < n; ++i) {
                mpfr_mul(t, A(i, k), A(i, k), z);
                mpfr_add(norm, norm, t, z);
            }
            mpfr_sqrt(norm, norm, z);
            if (!mpfr_zero_p(norm)) {
                if (mpfr_sgn(A(k, k)) < 0) mpfr_neg(norm, norm, z);
                for (uint64_t i = k; i < n; ++i) mpfr_div(A(i, k), A(i, k), norm, z);
                mpfr_add_ui(A(k, k), A(k, k), 1, z);
                for (uint64_t j = k + 1; j < n; ++j) {
                    mpfr_set_zero(s, 1);
                    for (uint64_t i = k; i < n; ++i) {
                        mpfr_mul(t, A(i, k), A(i, j), z);
                        mpfr_add(s, s, t, z);
                    }
                    mpfr_div(s, s, A(k, k), z);
                    mpfr_neg(s, s, z);
                    for (uint64_t i = k; i < n; ++i) {
                        mpfr_mul(t, s, A(i, k), z);
                        mpfr_add(A(i, j), A(i, j), t, z);
                    }
                }
            }
            mpfr_neg(d_[k].v, norm, z);
        }
        for (uint64_t kk = n; kk-- > 0;) {
            for (uint64_t i = 0; i < n; ++i) mpfr_set_zero(Q(i, kk), 1);
            mpfr_set_ui(Q(kk, kk), 1, z);
            if (mpfr_zero_p(A(kk, kk))) continue;
            for (uint64_t j = kk; j < n; ++j) {
                mpfr_set_zero(s, 1);
                for (uint64_t i = kk; i < n; ++i) {
                    mpfr_mul(t, A(i, kk), Q(i, j), z);
                    mpfr_add(s, s, t, z);
                }
                mpfr_div(s, s, A(kk, kk), z);
                mpfr_neg(s, s, z);
                for (uint64_t i = kk; i < n; ++i) {
                    mpfr_mul(t, s, A(i, kk), z);
                    mpfr_add(Q(i, j), Q(i, j), t, z);
                }
            }
        }
    }

private:
    struct Cell {
        mpfr_t v;
    };
    uint64_t n_;
    mpfr_prec_t bits_;
    std::vector<Cell> a_, q_, d_;
    Cell t_, s_, norm_;
};

void BM_widefp_qr(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words a0 = random_matrix(n, p);
    th::Words a, q(n * n * (p + 1)), r(n * n * (p + 1));
    for (auto _ : state) {
        state.PauseTiming();
        a = a0;
        state.ResumeTiming();
        std::vector<uint64_t> work(widefp_matrix_qr_work_size(n, p));  // as the plug-in: scratch per call
        widefp_matrix_qr(a.data(), q.data(), r.data(), n, n, 1, 1, p, work.data());
        benchmark::ClobberMemory();
    }
}

void BM_mpfr_qr(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words a0 = random_matrix(n, p);
    MpfrQr m(n, p);
    for (auto _ : state) {
        state.PauseTiming();
        m.load(a0, p);
        state.ResumeTiming();
        m.run();
        benchmark::ClobberMemory();
    }
}

void BM_widefp_svd(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words a0 = random_matrix(n, p);
    th::Words a, u(n * n * (p + 1)), s(n * (p + 1)), v(n * n * (p + 1));
    for (auto _ : state) {
        state.PauseTiming();
        a = a0;
        std::fill(u.begin(), u.end(), 0);
        state.ResumeTiming();
        std::vector<uint64_t> work(widefp_matrix_svd_work_size(n, n, p));  // as the plug-in: scratch per call
        int status = widefp_matrix_svd(s.data(), u.data(), v.data(), nullptr, a.data(), n, n, 1, 1,
                                       widefp_matrix_svd_sweep_bound(p), p, work.data());
        benchmark::DoNotOptimize(status);
    }
}

std::string key(const char *name, int64_t n, int64_t p) {
    return std::string(name) + "/" + std::to_string(n) + "/" + std::to_string(p);
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (int64_t p : kPrecisions)
        for (int64_t n : kSizes) {
            benchmark::RegisterBenchmark("widefp_qr", BM_widefp_qr)->Args({n, p})->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("mpfr_qr", BM_mpfr_qr)->Args({n, p})->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("widefp_svd", BM_widefp_svd)->Args({n, p})->Unit(benchmark::kMillisecond);
        }
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        // real times, in the unit set above (ms)
        auto get = [&](const std::string &k) { return reporter.time(k, benchreport::Time::real); };
        std::printf("\nHouseholder QR with Q and R, n x n (times in ms)\n%4s %4s  %10s  %10s  %10s\n", "n", "p",
                    "ours", "mpfr", "ours/mpfr");
        for (int64_t p : kPrecisions)
            for (int64_t n : kSizes) {
                double a = get(key("widefp_qr", n, p)), b = get(key("mpfr_qr", n, p));
                if (a < 0 || b <= 0) continue;
                std::printf("%4lld %4lld  %10.3f  %10.3f  %10.3f\n", static_cast<long long>(n),
                            static_cast<long long>(p), a, b, a / b);
            }
        std::printf("\nSVD with U and V, n x n (times in ms; growth against the previous n and against p = 2)\n"
                    "%4s %4s  %10s  %12s  %12s\n",
                    "n", "p", "ours", "vs prev n", "vs p = 2");
        for (int64_t p : kPrecisions)
            for (size_t i = 0; i < kSizes.size(); ++i) {
                const int64_t n = kSizes[i];
                double a = get(key("widefp_svd", n, p));
                if (a < 0) continue;
                double prev = i ? get(key("widefp_svd", kSizes[i - 1], p)) : -1;
                double base = get(key("widefp_svd", n, kPrecisions[0]));
                std::printf("%4lld %4lld  %10.3f  %12.2f  %12.2f\n", static_cast<long long>(n),
                            static_cast<long long>(p), a, prev > 0 ? a / prev : 0.0, base > 0 ? a / base : 0.0);
            }
    });
}
