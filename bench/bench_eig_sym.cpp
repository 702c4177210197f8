// Benchmark of the symmetric eigenproblem and the Cholesky factorisation:
// ours against the same algorithms written with MPFR (Householder
// tridiagonalisation and Wilkinson-shifted QR; Cholesky by rows) at 64p+1
// bits rounded toward zero, our SVD of the same matrix (the eigenvalues
// should cost at most twice the singular values), and mpmath's eigsy for one
// size when python3 has mpmath.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_report.h"
#include "harness.h"
#include "widefp_linalg.h"

namespace {

const std::vector<int64_t> kSizes = {25, 50, 100};
const std::vector<int64_t> kPrecisions = {4, 16};

// A random symmetric matrix (entries in about [-4, 4]) and its positive
// definite companion A^T A / n + I for the Cholesky factorisation.
th::Words symmetric_matrix(uint64_t n, uint64_t p) {
    th::Rng rng(0xe16 + n * 31 + p);
    th::Words a(n * n * (p + 1));
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j <= i; ++j) {
            th::Words x = th::random_wr(rng, p, -2, 2);
            std::copy(x.begin(), x.end(), a.begin() + (i * n + j) * (p + 1));
            std::copy(x.begin(), x.end(), a.begin() + (j * n + i) * (p + 1));
        }
    return a;
}

th::Words positive_definite(uint64_t n, uint64_t p) {
    const th::Words a = symmetric_matrix(n, p);
    th::Words c(n * n * (p + 1)), t(p + 1), s(p + 1), nn = th::from_double(static_cast<double>(n), p),
        one = th::from_double(1, p);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            std::fill(s.begin(), s.end(), 0);
            for (uint64_t k = 0; k < n; ++k) {
                widefp_float_mul(t.data(), &a[(k * n + i) * (p + 1)], &a[(k * n + j) * (p + 1)], p);
                widefp_float_add(s.data(), s.data(), t.data(), p);
            }
            widefp_float_div(s.data(), s.data(), nn.data(), p);
            if (i == j) widefp_float_add(s.data(), s.data(), one.data(), p);
            std::copy(s.begin(), s.end(), c.begin() + (i * n + j) * (p + 1));
        }
    return c;
}

// The MPFR peer: numbers of 64p+1 bits, every operation rounded toward zero.
class MpfrEig {
public:
    MpfrEig(uint64_t n, uint64_t p) : n_(n), bits_(static_cast<mpfr_prec_t>(64 * p + 1)) {
        for (auto *v : {&a_, &z_}) v->resize(n * n);
        for (auto *v : {&d_, &e_, &v_, &w_}) v->resize(n);
        for (auto *v : {&a_, &z_, &d_, &e_, &v_, &w_})
            for (auto &x : *v) mpfr_init2(x.v, bits_);
        for (auto &x : s_) mpfr_init2(x.v, bits_);
    }
    ~MpfrEig() {
        for (auto *v : {&a_, &z_, &d_, &e_, &v_, &w_})
            for (auto &x : *v) mpfr_clear(x.v);
        for (auto &x : s_) mpfr_clear(x.v);
    }
    void load(const th::Words &a, uint64_t p) {
        for (uint64_t k = 0; k < n_ * n_; ++k) th::to_mpfr(a_[k].v, &a[k * (p + 1)], p);
    }

    // Tridiagonalisation (lower triangle), Q^T formed under vectors, QR
    // sweeps with Wilkinson's shift until |e_k| <= 2^-(bits-1) (|d_k| + |d_k+1|).
    void eig(bool vectors) {
        const int64_t n = static_cast<int64_t>(n_);
        auto A = [&](int64_t i, int64_t j) { return a_[i * n + j].v; };
        auto Z = [&](int64_t i, int64_t j) { return z_[i * n + j].v; };
        mpfr_ptr t = s_[0].v, t2 = s_[1].v, nrm = s_[2].v, g = s_[3].v, c = s_[4].v, s = s_[5].v, r = s_[6].v,
                 x = s_[7].v, y = s_[8].v, mu = s_[9].v, c2 = s_[10].v, s2 = s_[11].v, cs = s_[12].v;
        const mpfr_rnd_t rz = MPFR_RNDZ;
        for (int64_t k = 0; k + 2 < n; ++k) {
            const int64_t m = n - k - 1;
            mpfr_set(D(k), A(k, k), rz);
            mpfr_set_zero(nrm, 1);
            for (int64_t i = 0; i < m; ++i) mpfr_fma(nrm, A(k + 1 + i, k), A(k + 1 + i, k), nrm, rz);
            mpfr_sqrt(nrm, nrm, rz);
            if (mpfr_zero_p(nrm)) {
                mpfr_set_zero(E(k), 1);
                continue;
            }
            if (mpfr_signbit(A(k + 1, k))) mpfr_neg(nrm, nrm, rz);
            for (int64_t i = 0; i < m; ++i) mpfr_div(A(k + 1 + i, k), A(k + 1 + i, k), nrm, rz);
            mpfr_add_ui(A(k + 1, k), A(k + 1, k), 1, rz);
            mpfr_neg(E(k), nrm, rz);
            for (int64_t i = 0; i < m; ++i) {
                mpfr_set(v_[i].v, A(k + 1 + i, k), rz);
                mpfr_set_zero(w_[i].v, 1);
            }
            for (int64_t i = 0; i < m; ++i) {
                for (int64_t j = 0; j < i; ++j) {
                    mpfr_fma(w_[i].v, A(k + 1 + i, k + 1 + j), v_[j].v, w_[i].v, rz);
                    mpfr_fma(w_[j].v, A(k + 1 + i, k + 1 + j), v_[i].v, w_[j].v, rz);
                }
                mpfr_fma(w_[i].v, A(k + 1 + i, k + 1 + i), v_[i].v, w_[i].v, rz);
            }
            mpfr_set_zero(g, 1);
            for (int64_t i = 0; i < m; ++i) {
                mpfr_div(w_[i].v, w_[i].v, v_[0].v, rz);
                mpfr_fma(g, v_[i].v, w_[i].v, g, rz);
            }
            mpfr_div(g, g, v_[0].v, rz);
            mpfr_div_2ui(g, g, 1, rz);
            for (int64_t i = 0; i < m; ++i) {
                mpfr_mul(t, g, v_[i].v, rz);
                mpfr_sub(w_[i].v, w_[i].v, t, rz);
            }
            for (int64_t i = 0; i < m; ++i)
                for (int64_t j = 0; j <= i; ++j) {
                    mpfr_mul(t, v_[i].v, w_[j].v, rz);
                    mpfr_fma(t, w_[i].v, v_[j].v, t, rz);
                    mpfr_sub(A(k + 1 + i, k + 1 + j), A(k + 1 + i, k + 1 + j), t, rz);
                }
        }
        if (n >= 2) {
            mpfr_set(D(n - 2), A(n - 2, n - 2), rz);
            mpfr_set(E(n - 2), A(n - 1, n - 2), rz);
        }
        mpfr_set(D(n - 1), A(n - 1, n - 1), rz);
        if (vectors) {
            for (int64_t i = 0; i < n; ++i)
                for (int64_t j = 0; j < n; ++j) mpfr_set_ui(Z(i, j), i == j, rz);
            for (int64_t k = n - 3; k >= 0; --k) {
                if (mpfr_zero_p(A(k + 1, k))) continue;
                const int64_t m = n - k - 1;
                for (int64_t i = k + 1; i < n; ++i) {
                    mpfr_set_zero(g, 1);
                    for (int64_t j = 0; j < m; ++j) mpfr_fma(g, Z(i, k + 1 + j), A(k + 1 + j, k), g, rz);
                    mpfr_div(g, g, A(k + 1, k), rz);
                    for (int64_t j = 0; j < m; ++j) {
                        mpfr_mul(t, g, A(k + 1 + j, k), rz);
                        mpfr_sub(Z(i, k + 1 + j), Z(i, k + 1 + j), t, rz);
                    }
                }
            }
        }
        auto negligible = [&](int64_t k) {
            mpfr_abs(t, D(k), rz);
            mpfr_abs(t2, D(k + 1), rz);
            mpfr_add(t, t, t2, rz);
            mpfr_mul_2si(t, t, -(bits_ - 1), rz);
            mpfr_abs(t2, E(k), rz);
            return mpfr_cmp(t2, t) <= 0;
        };
        auto rotation = [&](mpfr_srcptr f, mpfr_srcptr h) {
            mpfr_hypot(r, f, h, rz);
            if (mpfr_zero_p(r)) {
                mpfr_set_ui(c, 1, rz);
                mpfr_set_zero(s, 1);
                return;
            }
            mpfr_div(c, f, r, rz);
            mpfr_div(s, h, r, rz);
        };
        for (int64_t m = n - 1; m > 0;) {
            if (negligible(m - 1)) {
                --m;
                continue;
            }
            int64_t l = m - 1;
            while (l > 0 && !negligible(l - 1)) --l;
            mpfr_sub(x, D(m - 1), D(m), rz);
            mpfr_div_2ui(x, x, 1, rz);
            mpfr_hypot(r, x, E(m - 1), rz);
            if (mpfr_signbit(x)) mpfr_neg(r, r, rz);
            mpfr_add(t, x, r, rz);
            mpfr_sqr(t2, E(m - 1), rz);
            mpfr_div(t2, t2, t, rz);
            mpfr_sub(mu, D(m), t2, rz);
            mpfr_sub(x, D(l), mu, rz);
            mpfr_set(y, E(l), rz);
            for (int64_t k = l; k < m; ++k) {
                rotation(x, y);
                if (k > l) mpfr_set(E(k - 1), r, rz);
                mpfr_sqr(c2, c, rz);
                mpfr_sqr(s2, s, rz);
                mpfr_mul(cs, c, s, rz);
                mpfr_mul(t, cs, E(k), rz);
                mpfr_mul_2ui(t, t, 1, rz);
                mpfr_sub(t2, D(k + 1), D(k), rz);
                mpfr_mul(t2, t2, cs, rz);
                mpfr_mul(x, c2, D(k), rz);
                mpfr_fma(x, s2, D(k + 1), x, rz);
                mpfr_mul(y, s2, D(k), rz);
                mpfr_fma(y, c2, D(k + 1), y, rz);
                mpfr_add(D(k), x, t, rz);
                mpfr_sub(D(k + 1), y, t, rz);
                mpfr_sub(x, c2, s2, rz);
                mpfr_mul(x, x, E(k), rz);
                mpfr_add(E(k), t2, x, rz);
                if (k + 1 < m) {
                    mpfr_mul(y, s, E(k + 1), rz);
                    mpfr_mul(E(k + 1), c, E(k + 1), rz);
                    mpfr_set(x, E(k), rz);
                }
                if (vectors)
                    for (int64_t j = 0; j < n; ++j) {
                        mpfr_mul(t, c, Z(k, j), rz);
                        mpfr_fma(t, s, Z(k + 1, j), t, rz);
                        mpfr_mul(t2, s, Z(k, j), rz);
                        mpfr_fms(Z(k + 1, j), c, Z(k + 1, j), t2, rz);
                        mpfr_set(Z(k, j), t, rz);
                    }
            }
        }
    }

    // Cholesky by rows on the upper triangle.
    void chol() {
        const uint64_t n = n_;
        auto A = [&](uint64_t i, uint64_t j) { return a_[i * n + j].v; };
        mpfr_ptr t = s_[0].v;
        for (uint64_t j = 0; j < n; ++j) {
            mpfr_set(t, A(j, j), MPFR_RNDZ);
            for (uint64_t k = 0; k < j; ++k) {
                mpfr_fms(t, A(k, j), A(k, j), t, MPFR_RNDZ);
                mpfr_neg(t, t, MPFR_RNDZ);
            }
            mpfr_sqrt(A(j, j), t, MPFR_RNDZ);
            for (uint64_t i = j + 1; i < n; ++i) {
                mpfr_set(t, A(j, i), MPFR_RNDZ);
                for (uint64_t k = 0; k < j; ++k) {
                    mpfr_fms(t, A(k, j), A(k, i), t, MPFR_RNDZ);
                    mpfr_neg(t, t, MPFR_RNDZ);
                }
                mpfr_div(A(j, i), t, A(j, j), MPFR_RNDZ);
            }
        }
    }

private:
    struct Cell {
        mpfr_t v;
    };
    mpfr_ptr D(int64_t i) { return d_[i].v; }
    mpfr_ptr E(int64_t i) { return e_[i].v; }
    uint64_t n_;
    mpfr_prec_t bits_;
    std::vector<Cell> a_, z_, d_, e_, v_, w_;
    Cell s_[13];
};

void BM_ours_eig(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const bool vectors = state.range(2) != 0;
    const th::Words a0 = symmetric_matrix(n, p);
    th::Words a, d(n * (p + 1)), v(n * n * (p + 1));
    for (auto _ : state) {
        state.PauseTiming();
        a = a0;
        state.ResumeTiming();
        std::vector<uint64_t> work(widefp_matrix_eig_sym_work_size(n, p));  // as the plug-in: scratch per call
        int status = widefp_matrix_eig_sym(d.data(), vectors ? v.data() : nullptr, nullptr, a.data(), n, vectors,
                                           widefp_matrix_eig_sym_sweep_bound(p), p, work.data());
        benchmark::DoNotOptimize(status);
    }
}

void BM_mpfr_eig(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words a0 = symmetric_matrix(n, p);
    MpfrEig m(n, p);
    for (auto _ : state) {
        state.PauseTiming();
        m.load(a0, p);
        state.ResumeTiming();
        m.eig(state.range(2) != 0);
        benchmark::ClobberMemory();
    }
}

void BM_ours_chol(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words a0 = positive_definite(n, p);
    th::Words a;
    for (auto _ : state) {
        state.PauseTiming();
        a = a0;
        state.ResumeTiming();
        std::vector<uint64_t> work(widefp_matrix_chol_work_size(p));
        uint64_t k = widefp_matrix_chol(a.data(), n, p, work.data());
        benchmark::DoNotOptimize(k);
    }
}

void BM_mpfr_chol(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const th::Words a0 = positive_definite(n, p);
    MpfrEig m(n, p);
    for (auto _ : state) {
        state.PauseTiming();
        m.load(a0, p);
        state.ResumeTiming();
        m.chol();
        benchmark::ClobberMemory();
    }
}

// Our SVD of the same symmetric matrix (values only, or with U and V).
void BM_ours_svd(benchmark::State &state) {
    const auto n = static_cast<uint64_t>(state.range(0)), p = static_cast<uint64_t>(state.range(1));
    const bool vectors = state.range(2) != 0;
    const th::Words a0 = symmetric_matrix(n, p);
    th::Words a, u(n * n * (p + 1)), s(n * (p + 1)), v(n * n * (p + 1));
    for (auto _ : state) {
        state.PauseTiming();
        a = a0;
        state.ResumeTiming();
        std::vector<uint64_t> work(widefp_matrix_svd_work_size(n, n, p));
        int status = widefp_matrix_svd(s.data(), u.data(), v.data(), nullptr, a.data(), n, n, vectors, vectors,
                                       widefp_matrix_svd_sweep_bound(p), p, work.data());
        benchmark::DoNotOptimize(status);
    }
}

std::string key(const char *name, int64_t n, int64_t p, int64_t v) {
    return std::string(name) + "/" + std::to_string(n) + "/" + std::to_string(p) + "/" + std::to_string(v);
}

// mpmath's eigsy on a random symmetric n x n matrix at the decimal digits of
// 64p+1 bits, the best of three runs in ms; -1 when python3 or mpmath is missing.
double mpmath_ms(int64_t n, int64_t p, bool vectors) {
    const std::string cmd = "python3 -c \"\nimport time, random\ntry:\n import mpmath\nexcept ImportError:\n print(-1)\n "
                            "raise SystemExit\nmpmath.mp.prec = " + std::to_string(64 * p + 1) +
                            "\nrandom.seed(1)\nn = " + std::to_string(n) +
                            "\nA = mpmath.matrix(n, n)\nfor i in range(n):\n for j in range(i + 1):\n  A[i, j] = "
                            "A[j, i] = mpmath.mpf(random.uniform(-4, 4))\nbest = 1e30\nfor k in range(3):\n t = "
                            "time.perf_counter()\n mpmath.eigsy(A, eigvals_only = " +
                            std::string(vectors ? "False" : "True") +
                            ")\n best = min(best, time.perf_counter() - t)\nprint(best * 1e3)\n\" 2>/dev/null";
    FILE *f = popen(cmd.c_str(), "r");
    if (!f) return -1;
    double ms = -1;
    if (std::fscanf(f, "%lf", &ms) != 1) ms = -1;
    pclose(f);
    return ms;
}

}  // namespace

int main(int argc, char **argv) {
    th::Mp::widen_range();
    for (int64_t p : kPrecisions)
        for (int64_t n : kSizes) {
            for (int64_t v : {0, 1}) {
                benchmark::RegisterBenchmark("ours_eig", BM_ours_eig)->Args({n, p, v})->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark("mpfr_eig", BM_mpfr_eig)->Args({n, p, v})->Unit(benchmark::kMillisecond);
            }
            benchmark::RegisterBenchmark("ours_chol", BM_ours_chol)->Args({n, p, 0})->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("mpfr_chol", BM_mpfr_chol)->Args({n, p, 0})->Unit(benchmark::kMillisecond);
        }
    for (int64_t v : {0, 1})
        benchmark::RegisterBenchmark("ours_svd", BM_ours_svd)->Args({100, 4, v})->Unit(benchmark::kMillisecond);
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        auto get = [&](const std::string &k) { return reporter.fastest(k); };  // CPU ms
        std::printf("\nSymmetric eigenproblem and Cholesky, n x n (CPU ms, fastest run)\n"
                    "%4s %4s  %-14s %10s %10s %10s\n", "n", "p", "operation", "ours", "mpfr", "ours/mpfr");
        for (int64_t p : kPrecisions)
            for (int64_t n : kSizes) {
                const char *names[3] = {"eig values", "eig vectors", "chol"};
                const std::string ours[3] = {key("ours_eig", n, p, 0), key("ours_eig", n, p, 1), key("ours_chol", n, p, 0)};
                const std::string theirs[3] = {key("mpfr_eig", n, p, 0), key("mpfr_eig", n, p, 1),
                                               key("mpfr_chol", n, p, 0)};
                for (int k = 0; k < 3; ++k) {
                    const double a = get(ours[k]), b = get(theirs[k]);
                    if (a < 0 || b <= 0) continue;
                    std::printf("%4lld %4lld  %-14s %10.3f %10.3f %10.3f\n", static_cast<long long>(n),
                                static_cast<long long>(p), names[k], a, b, a / b);
                }
            }
        for (int64_t v : {0, 1}) {
            const double e = get(key("ours_eig", 100, 4, v)), s = get(key("ours_svd", 100, 4, v));
            if (e > 0 && s > 0)
                std::printf("\n100 x 100, p = 4, %s: eig %.3f ms, svd %.3f ms, eig/svd %.3f (aim: at most 2)\n",
                            v ? "with vectors" : "values only", e, s, e / s);
        }
        const double m = mpmath_ms(25, 4, false);
        if (m < 0)
            std::printf("\nmpmath: python3 with mpmath not found, its timing skipped\n");
        else
            std::printf("\nmpmath.eigsy, 25 x 25 at 257 bits, values only: %.3f ms (ours %.3f ms, ratio %.4f)\n", m,
                        get(key("ours_eig", 25, 4, 0)), get(key("ours_eig", 25, 4, 0)) / m);
    });
}
