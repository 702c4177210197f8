// Tests of the general complex eigenproblem (widefp_matrix_eig_cplx)
// against GNU MPC.
//
// Error bounds.  Let u = 2^-64p and S the total number of QR sweeps.  The
// Householder reduction moves A by at most 6n^2 u ||A||_F (as the real
// one); each of the at most nS rotations, applied to two rows and two
// columns, by at most 16u times their norm.  The computed triangular T is
// therefore the exact Schur form of A + E with
//   ||E||_F <= beta = (6n^2 + 16nS) u ||A||_F.
// (a), (b): A = X diag(lambda) X^-1 known exactly; by Bauer and Fike every
// computed value lies within kappa_F(X) beta of an exact one.
// (c): tr(A + E) = tr A + tr E, so |sum of the values - tr A| <= sqrt(n) beta.
// The residual of a unit vector from back substitution on T is below
// beta + 4n u ||A||_F ||x||/||Zx|| with ||x|| = ||Zx||: ||Av - lv|| <= beta + 4n u
// ||A||_F (balancing off); with balancing the vectors carry the scaling
// DD and the bound is asserted as it stands for these well-scaled cases.
// Unit norm: | ||v|| - 1 | <= 4(n + 2) u.  The test prints the largest
// ratio error / bound seen.
#include <gtest/gtest.h>
#include <mpc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "harness.h"
#include "widefp_linalg.h"

namespace {

using th::Words;
constexpr mpfr_prec_t kBits = 4096;

struct Mc {
    Mc() {
        mpc_init2(v, kBits);
        mpc_set_ui(v, 0, MPC_RNDNN);
    }
    ~Mc() { mpc_clear(v); }
    Mc(const Mc &o) : Mc() { mpc_set(v, o.v, MPC_RNDNN); }
    Mc &operator=(const Mc &o) {
        mpc_set(v, o.v, MPC_RNDNN);
        return *this;
    }
    mpc_t v;
};
using MV = std::vector<Mc>;  // an n x n matrix by rows, or a vector

double absd(const Mc &z) {
    th::Mp a(kBits, true);
    mpc_abs(a, z.v, MPFR_RNDN);
    return mpfr_get_d(a, MPFR_RNDN);
}
double frob(const MV &a) {
    double s = 0;
    for (const Mc &z : a) s += absd(z) * absd(z);
    return std::sqrt(s);
}
MV matmul(const MV &a, const MV &b, uint64_t n) {
    MV c(n * n);
    Mc t;
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j)
            for (uint64_t k = 0; k < n; ++k) {
                mpc_mul(t.v, a[i * n + k].v, b[k * n + j].v, MPC_RNDNN);
                mpc_add(c[i * n + j].v, c[i * n + j].v, t.v, MPC_RNDNN);
            }
    return c;
}
// The inverse by Gauss-Jordan elimination without exchanges (nonzero
// leading minors); exact when every pivot is a unit.
MV inverse(MV a, uint64_t n) {
    MV b(n * n);
    Mc f, t;
    for (uint64_t i = 0; i < n; ++i) mpc_set_ui(b[i * n + i].v, 1, MPC_RNDNN);
    for (uint64_t k = 0; k < n; ++k) {
        mpc_ui_div(f.v, 1, a[k * n + k].v, MPC_RNDNN);
        for (uint64_t j = 0; j < n; ++j) {
            mpc_mul(a[k * n + j].v, a[k * n + j].v, f.v, MPC_RNDNN);
            mpc_mul(b[k * n + j].v, b[k * n + j].v, f.v, MPC_RNDNN);
        }
        for (uint64_t i = 0; i < n; ++i) {
            if (i == k) continue;
            Mc g = a[i * n + k];
            for (uint64_t j = 0; j < n; ++j) {
                mpc_mul(t.v, g.v, a[k * n + j].v, MPC_RNDNN);
                mpc_sub(a[i * n + j].v, a[i * n + j].v, t.v, MPC_RNDNN);
                mpc_mul(t.v, g.v, b[k * n + j].v, MPC_RNDNN);
                mpc_sub(b[i * n + j].v, b[i * n + j].v, t.v, MPC_RNDNN);
            }
        }
    }
    return b;
}

struct Result {
    MV values, vectors;
    uint64_t sweeps[2];
    double norm_a, beta;  // ||A||_F and the backward error bound
};

// eig of the MPC matrix a (each entry exactly representable at p) at p.
Result run(const MV &a, uint64_t n, uint64_t p, bool want_vectors, bool balance) {
    const uint64_t w = p + 1;
    std::vector<uint64_t> ar(n * n * w), ai(n * n * w), re(n * w), im(n * w), vr(n * n * w), vi(n * n * w);
    for (uint64_t k = 0; k < n * n; ++k) {
        Words x = th::from_mpfr(mpc_realref(a[k].v), p), y = th::from_mpfr(mpc_imagref(a[k].v), p);
        th::Mp back(p);
        th::to_mpfr(back, x.data(), p);
        EXPECT_EQ(mpfr_cmp(back, mpc_realref(a[k].v)), 0) << "entry not representable";
        std::copy(x.begin(), x.end(), ar.begin() + k * w);
        std::copy(y.begin(), y.end(), ai.begin() + k * w);
    }
    std::vector<uint64_t> work(widefp_matrix_eig_cplx_work_size(n, p));
    Result r;
    const int status = widefp_matrix_eig_cplx(re.data(), im.data(), want_vectors ? vr.data() : nullptr,
                                              want_vectors ? vi.data() : nullptr, r.sweeps, ar.data(), ai.data(),
                                              n, balance, widefp_matrix_eig_gen_sweep_bound(p), p, work.data());
    EXPECT_EQ(status, 0);
    r.values.resize(n);
    for (uint64_t k = 0; k < n; ++k) {
        th::to_mpfr(mpc_realref(r.values[k].v), re.data() + k * w, p);
        th::to_mpfr(mpc_imagref(r.values[k].v), im.data() + k * w, p);
    }
    if (want_vectors) {
        r.vectors.resize(n * n);
        for (uint64_t k = 0; k < n * n; ++k) {
            th::to_mpfr(mpc_realref(r.vectors[k].v), vr.data() + k * w, p);
            th::to_mpfr(mpc_imagref(r.vectors[k].v), vi.data() + k * w, p);
        }
    }
    const double u = std::ldexp(1.0, -static_cast<int>(64 * p)), nd = static_cast<double>(n);
    r.norm_a = frob(a);
    r.beta = (6 * nd * nd + 16 * nd * static_cast<double>(r.sweeps[1])) * u * r.norm_a;
    return r;
}

// Bauer-Fike: every computed value within kappa_F(X) beta of an exact one;
// returns the largest ratio.
double check_values(const Result &r, const MV &exact, double kappa, const char *what) {
    double worst = 0;
    Mc d;
    for (const Mc &z : r.values) {
        double best = INFINITY;
        for (const Mc &e : exact) {
            mpc_sub(d.v, z.v, e.v, MPC_RNDNN);
            best = std::min(best, absd(d));
        }
        const double bound = kappa * r.beta;
        EXPECT_LE(best, bound) << what;
        worst = std::max(worst, best / bound);
    }
    return worst;
}

// Residual ||A v - lambda v|| and unit norm of every vector; largest ratio.
double check_vectors(const Result &r, const MV &a, uint64_t n, uint64_t p, const char *what) {
    const double u = std::ldexp(1.0, -static_cast<int>(64 * p)), nd = static_cast<double>(n);
    double worst = 0;
    Mc t, s;
    th::Mp norm(kBits, true), sq(kBits, true);
    for (uint64_t k = 0; k < n; ++k) {
        double res = 0;
        mpfr_set_si(norm, -1, MPFR_RNDN);
        for (uint64_t i = 0; i < n; ++i) {
            mpc_mul(s.v, r.values[k].v, r.vectors[i * n + k].v, MPC_RNDNN);
            mpc_neg(s.v, s.v, MPC_RNDNN);
            for (uint64_t j = 0; j < n; ++j) {
                mpc_mul(t.v, a[i * n + j].v, r.vectors[j * n + k].v, MPC_RNDNN);
                mpc_add(s.v, s.v, t.v, MPC_RNDNN);
            }
            res += absd(s) * absd(s);
            mpc_norm(sq, r.vectors[i * n + k].v, MPFR_RNDN);
            mpfr_add(norm, norm, sq, MPFR_RNDN);
        }
        const double bound = r.beta + 4 * nd * u * r.norm_a, nbound = 4 * (nd + 2) * u;
        EXPECT_LE(std::sqrt(res), bound) << what << " k " << k;
        const double dn = std::fabs(mpfr_get_d(norm, MPFR_RNDN)) / 2;  // | ||v|| - 1 |, first order
        EXPECT_LE(dn, nbound) << what << " k " << k;
        worst = std::max({worst, std::sqrt(res) / bound, dn / nbound});
    }
    return worst;
}

double kappa_f(const MV &x, uint64_t n) { return frob(x) * frob(inverse(x, n)); }

void gauss(Mc &z, int64_t re, int64_t im) {
    mpfr_set_si(mpc_realref(z.v), re, MPFR_RNDN);
    mpfr_set_si(mpc_imagref(z.v), im, MPFR_RNDN);
}

TEST(EigCplx, KnownDiagonalAfterIntegerSimilarity) {
    // A = S D S^-1, S = L U with unit triangular L, U of small Gaussian
    // integers (S^-1 exact), D distinct Gaussian integers.
    th::Rng g(0xe1c);
    double worst = 0;
    for (uint64_t p : {2, 3, 4, 8, 20})
        for (uint64_t n : {1, 2, 3, 5, 8}) {
            MV L(n * n), U(n * n), D(n * n), lambda(n);
            for (uint64_t i = 0; i < n; ++i)
                for (uint64_t j = 0; j < n; ++j) {
                    const int64_t x = static_cast<int64_t>(g.below(3)) - 1, y = static_cast<int64_t>(g.below(3)) - 1;
                    if (i == j) {
                        gauss(L[i * n + j], 1, 0);
                        gauss(U[i * n + j], 1, 0);
                    } else {
                        gauss((i > j ? L : U)[i * n + j], x, y);
                    }
                }
            for (uint64_t k = 0; k < n; ++k) {
                gauss(lambda[k], static_cast<int64_t>(k) - 2, static_cast<int64_t>(k % 3) - 1);
                D[k * n + k] = lambda[k];
            }
            const MV S = matmul(L, U, n), A = matmul(matmul(S, D, n), inverse(S, n), n);
            const double kappa = kappa_f(S, n);
            for (bool bal : {false, true}) {
                const Result r = run(A, n, p, true, bal);
                worst = std::max(worst, check_values(r, lambda, kappa, "similarity"));
                if (!bal) worst = std::max(worst, check_vectors(r, A, n, p, "similarity"));
            }
        }
    std::printf("known diagonal: largest error / bound %.3g\n", worst);
}

TEST(EigCplx, CompanionMatricesOfKnownRoots) {
    // Octave's companion matrix of prod (x - r_j): first row -c(2:end),
    // ones below the diagonal; X: columns (r^(n-1), ..., r, 1).
    struct Case {
        std::vector<Mc> roots;
    };
    std::vector<Case> cases(2);
    cases[0].roots.resize(3);  // (x - i)(x + 2 - i)(x - 3)
    gauss(cases[0].roots[0], 0, 1);
    gauss(cases[0].roots[1], -2, 1);
    gauss(cases[0].roots[2], 3, 0);
    cases[1].roots.resize(6);  // (x^5 - 1)(x - 1 - 2i)
    for (int k = 0; k < 5; ++k) mpc_rootofunity(cases[1].roots[k].v, 5, k, MPC_RNDNN);
    gauss(cases[1].roots[5], 1, 2);
    double worst = 0;
    for (uint64_t p : {2, 3, 4, 8, 20})
        for (const Case &c : cases) {
            const uint64_t n = c.roots.size();
            MV coef(n + 1), t(1);
            mpc_set_ui(coef[0].v, 1, MPC_RNDNN);
            for (uint64_t j = 0; j < n; ++j)  // coef(2:j+2) -= r_j coef(1:j+1)
                for (uint64_t m = j + 1; m >= 1; --m) {
                    mpc_mul(t[0].v, c.roots[j].v, coef[m - 1].v, MPC_RNDNN);
                    mpc_sub(coef[m].v, coef[m].v, t[0].v, MPC_RNDNN);
                }
            for (uint64_t m = 0; m <= n; ++m) {  // exact Gaussian integers
                mpfr_round(mpc_realref(coef[m].v), mpc_realref(coef[m].v));
                mpfr_round(mpc_imagref(coef[m].v), mpc_imagref(coef[m].v));
            }
            MV A(n * n), X(n * n);
            for (uint64_t j = 0; j < n; ++j) mpc_neg(A[j].v, coef[j + 1].v, MPC_RNDNN);
            for (uint64_t i = 1; i < n; ++i) mpc_set_ui(A[i * n + i - 1].v, 1, MPC_RNDNN);
            for (uint64_t k = 0; k < n; ++k) {
                mpc_set_ui(X[(n - 1) * n + k].v, 1, MPC_RNDNN);
                for (uint64_t i = n - 1; i-- > 0;)
                    mpc_mul(X[i * n + k].v, X[(i + 1) * n + k].v, c.roots[k].v, MPC_RNDNN);
            }
            const double kappa = kappa_f(X, n);
            for (bool bal : {false, true}) {
                const Result r = run(A, n, p, true, bal);
                worst = std::max(worst, check_values(r, c.roots, kappa, "companion"));
                worst = std::max(worst, check_vectors(r, A, n, p, "companion"));
            }
        }
    std::printf("companion: largest error / bound %.3g\n", worst);
}

TEST(EigCplx, RandomTraceResidualAndNorms) {
    th::Rng g(0xc0e1);
    double worst = 0;
    uint64_t most = 0;
    for (uint64_t p : {2, 3, 4, 8, 20})
        for (uint64_t n = 1; n <= 12; n += (p > 4 ? 5 : 1)) {
            MV A(n * n);
            for (Mc &z : A) {
                Words x = th::random_wr(g, p, -3, 0), y = th::random_wr(g, p, -3, 0);
                th::to_mpfr(mpc_realref(z.v), x.data(), p);
                th::to_mpfr(mpc_imagref(z.v), y.data(), p);
            }
            for (bool bal : {false, true}) {
                const Result r = run(A, n, p, !bal, bal);
                most = std::max(most, r.sweeps[0]);
                Mc sum, tr;
                for (uint64_t k = 0; k < n; ++k) {
                    mpc_add(sum.v, sum.v, r.values[k].v, MPC_RNDNN);
                    mpc_add(tr.v, tr.v, A[k * n + k].v, MPC_RNDNN);
                }
                mpc_sub(sum.v, sum.v, tr.v, MPC_RNDNN);
                const double bound = std::sqrt(static_cast<double>(n)) * r.beta;
                EXPECT_LE(absd(sum), bound) << "n " << n << " p " << p;
                worst = std::max(worst, absd(sum) / bound);
                if (!bal) worst = std::max(worst, check_vectors(r, A, n, p, "random"));
            }
        }
    std::printf("random: largest error / bound %.3g, most sweeps for one value %llu\n", worst,
                static_cast<unsigned long long>(most));
}

TEST(EigCplx, RealInputAgreesWithRealPath) {
    // Both paths within a few beta of the exact values: each value of one
    // within 2^20 beta of one of the other (well-separated random values).
    th::Rng g(0x4ea1);
    const uint64_t p = 4, n = 7, w = p + 1;
    std::vector<uint64_t> a(n * n * w), re(n * w), im(n * w), wk(widefp_matrix_eig_gen_work_size(n, p));
    MV A(n * n), gen(n);
    for (uint64_t k = 0; k < n * n; ++k) {
        Words x = th::random_wr(g, p, -3, 0);
        std::copy(x.begin(), x.end(), a.begin() + k * w);
        th::to_mpfr(mpc_realref(A[k].v), x.data(), p);
    }
    ASSERT_EQ(widefp_matrix_eig_gen(re.data(), im.data(), nullptr, a.data(), n, 1, 500, p, wk.data()), 0);
    for (uint64_t k = 0; k < n; ++k) {
        th::to_mpfr(mpc_realref(gen[k].v), re.data() + k * w, p);
        th::to_mpfr(mpc_imagref(gen[k].v), im.data() + k * w, p);
    }
    check_values(run(A, n, p, false, true), gen, std::ldexp(1.0, 20), "real input");
}

}  // namespace
