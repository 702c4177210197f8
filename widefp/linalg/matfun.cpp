// matfun.cpp -- functions of square matrices: the exponential (scaling and
// squaring of a Taylor polynomial), the principal square root (the product
// form of the Denman-Beavers iteration with determinant scaling) and the
// principal logarithm (inverse scaling and squaring: square roots, then the
// series of 2 atanh).  Every operation truncates; matrices are stored by
// rows.  The error bounds are stated in widefp_linalg.h.
#include <cmath>
#include <cstring>

#include "matrix.h"

namespace {

using namespace widefp::linalg;

// Bits of the working precision.
double bits(uint64_t p) { return 64.0 * static_cast<double>(p) + 1; }

// log2 |x| from the exponent field and the top fraction word; -inf for a zero.
double log2_abs(const uint64_t *x) {
    if (is_zero(x)) return -INFINITY;
    const double e = static_cast<double>(static_cast<int64_t>(x[0] & kExpBits) - static_cast<int64_t>(kOne));
    return e + std::log2(1.0 + std::ldexp(static_cast<double>(x[1]), -64));
}

// x *= 2^k, exactly (a zero stays a zero; the range is not left in use).
void scale_pow2(uint64_t *x, int64_t k) {
    if (is_zero(x)) return;
    const uint64_t f = x[0] & kExpBits;
    x[0] = (x[0] & kSignBit) | static_cast<uint64_t>(static_cast<int64_t>(f) + k);
}

// The n-by-n matrices of one computation, stride w words per element.
struct Mats {
    uint64_t n, p, w;
    uint64_t *t;  // one scratch element
    uint64_t *t2; // another
    uint64_t size() const { return n * n * w; }
    uint64_t *at(uint64_t *M, uint64_t i, uint64_t j) const { return M + (i * n + j) * w; }

    void zero(uint64_t *M) const { std::memset(M, 0, size() * sizeof(uint64_t)); }
    void identity(uint64_t *M) const {
        zero(M);
        for (uint64_t i = 0; i < n; ++i) set_one(at(M, i, i), p);
    }
    void copy_from(uint64_t *D, const uint64_t *S) const { std::memcpy(D, S, size() * sizeof(uint64_t)); }
    void scale2(uint64_t *M, int64_t k) const {
        if (k == 0) return;
        for (uint64_t e = 0; e < n * n; ++e) scale_pow2(M + e * w, k);
    }
    // C = A B; C must not be A or B.  Each entry accumulated from +0.
    void mul(uint64_t *C, const uint64_t *A, const uint64_t *B) const {
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = 0; j < n; ++j) {
                uint64_t *c = at(C, i, j);
                set_zero(c, p);
                for (uint64_t l = 0; l < n; ++l) {
                    widefp_float_mul(t, A + (i * n + l) * w, B + (l * n + j) * w, p);
                    widefp_float_add(c, c, t, p);
                }
            }
    }
    // M += c I, c an element.
    void add_identity(uint64_t *M, const uint64_t *c) const {
        for (uint64_t i = 0; i < n; ++i) widefp_float_add(at(M, i, i), at(M, i, i), c, p);
    }
    // M += c X, c an element.
    void add_scaled(uint64_t *M, const uint64_t *X, const uint64_t *c) const {
        for (uint64_t e = 0; e < n * n; ++e) {
            widefp_float_mul(t, X + e * w, c, p);
            widefp_float_add(M + e * w, M + e * w, t, p);
        }
    }
    // log2 of the 1-norm (largest column sum of magnitudes, each sum
    // truncated), raised by 2^-40 to cover the truncation; -inf for zero.
    double log2_norm1(const uint64_t *M) const {
        double best = -INFINITY;
        for (uint64_t j = 0; j < n; ++j) {
            set_zero(t2, p);
            for (uint64_t i = 0; i < n; ++i) {
                copy_abs(t, M + (i * n + j) * w, p);
                widefp_float_add(t2, t2, t, p);
            }
            const double l = log2_abs(t2);
            if (l > best) best = l;
        }
        return best == -INFINITY ? best : best + 1e-12 * (std::fabs(best) + 1);
    }
    // log2 of the 1-norm of M - I.
    double log2_norm1_minus_identity(const uint64_t *M) const {
        double best = -INFINITY;
        set_one(t2, p);
        for (uint64_t j = 0; j < n; ++j) {
            uint64_t *s = t2 + w;  // t2 is followed by one more free element
            set_zero(s, p);
            for (uint64_t i = 0; i < n; ++i) {
                if (i == j) {
                    widefp_float_sub(t, M + (i * n + j) * w, t2, p);
                    t[0] &= ~kSignBit;
                } else {
                    copy_abs(t, M + (i * n + j) * w, p);
                }
                widefp_float_add(s, s, t, p);
            }
            const double l = log2_abs(s);
            if (l > best) best = l;
        }
        return best == -INFINITY ? best : best + 1e-12 * (std::fabs(best) + 1);
    }
};

// Largest block size of the Paterson-Stockmeyer evaluation (bounds the
// number of matrix powers held at once).
constexpr uint64_t kMaxBlock = 16;

// Matrix products of the Paterson-Stockmeyer evaluation of a polynomial of
// degree m with blocks of r terms: X^2..X^r, then one per further block.
uint64_t ps_products(uint64_t m, uint64_t r) { return (r - 1) + m / r; }
uint64_t ps_block(uint64_t m) {
    uint64_t best = 1;
    for (uint64_t r = 2; r <= kMaxBlock; ++r)
        if (ps_products(m, r) < ps_products(m, best)) best = r;
    return best;
}

// R = sum of c_k X^k for k = 0..m, c_k written by coef(k, element).  pw
// holds X^1 .. X^r at pw + (k-1) size; acc is scratch; R may not be any of
// them.  Horner's rule in X^r over blocks of r terms.
template <class Coef>
void ps_eval(const Mats &mt, uint64_t *R, uint64_t *pw, uint64_t r, uint64_t m, uint64_t *acc, Coef coef,
             uint64_t *c) {
    const uint64_t blocks = m / r + 1;
    const uint64_t *Xr = pw + (r - 1) * mt.size();
    for (uint64_t b = blocks; b-- > 0;) {
        // acc = (block b+1 result) X^r, or zero for the last block
        if (b + 1 < blocks)
            mt.mul(acc, R, Xr);
        else
            mt.zero(acc);
        for (uint64_t t = 0; t < r; ++t) {
            const uint64_t k = b * r + t;
            if (k > m) break;
            coef(k, c);
            if (t == 0)
                mt.add_identity(acc, c);
            else
                mt.add_scaled(acc, pw + (t - 1) * mt.size(), c);
        }
        mt.copy_from(R, acc);
    }
}

// X^1 .. X^r into pw (X^1 is a copy of X).
void powers(const Mats &mt, uint64_t *pw, const uint64_t *X, uint64_t r) {
    mt.copy_from(pw, X);
    for (uint64_t k = 2; k <= r; ++k) mt.mul(pw + (k - 1) * mt.size(), pw + (k - 2) * mt.size(), pw);
}

// ---- the exponential -------------------------------------------------------

// Largest reduction below the norm: theta = ||A||_1 / 2^s >= 2^-kMaxDrop
// (the squarings multiply the polynomial's relative rounding error by 2^s).
constexpr int64_t kMaxDrop = 24;
// Taylor degree limit for precision p (the coefficients are stored): enough
// for theta = 2^-kMaxDrop and norms below 2^64.
uint64_t max_taylor(uint64_t p) { return (64 * p + 1 + 128) / kMaxDrop + 9; }

// The choice of squarings s and degree m for a matrix of 1-norm 2^l.
struct ExpPlan {
    uint64_t s = 0, m = 1, r = 1;
};
// log2 of the truncation bound e * 1.5 * theta^(m+1) / (m+1)! for ||X|| <= theta = 2^lt.
double exp_tail_log2(double lt, uint64_t m) {
    return (m + 1) * lt - std::lgamma(static_cast<double>(m) + 2) / std::log(2.0) + std::log2(1.5 * std::exp(1.0));
}
// The fewest products with s - ceil(l) <= kMaxDrop; failing that (norms
// beyond 2^64), the fewest with any larger s.
ExpPlan exp_plan(double l, uint64_t p) {
    ExpPlan best;
    double best_cost = INFINITY;
    const double b = bits(p);
    const uint64_t mmax = max_taylor(p);
    const int64_t s0 = l > 0 ? static_cast<int64_t>(std::ceil(l)) : 0;
    for (int64_t s = s0; s <= s0 + 4096 && (std::isinf(best_cost) || s <= s0 + kMaxDrop); ++s) {
        const double lt = l - static_cast<double>(s);  // ||A / 2^s|| <= 2^lt <= 1
        const double need = -(b + static_cast<double>(s) + 2);
        if (exp_tail_log2(lt, mmax) > need) continue;
        uint64_t lo = 0, hi = mmax;  // the smallest m that meets the bound
        while (lo < hi) {
            const uint64_t mid = (lo + hi) / 2;
            if (exp_tail_log2(lt, mid) <= need) hi = mid; else lo = mid + 1;
        }
        const uint64_t m = lo < 1 ? 1 : lo;
        const uint64_t r = ps_block(m);
        const double cost = static_cast<double>(s) + static_cast<double>(ps_products(m, r));
        if (cost < best_cost) {
            best_cost = cost;
            best.s = static_cast<uint64_t>(s);
            best.m = m;
            best.r = r;
        }
    }
    return best;
}

// ---- inverse and the square root ---------------------------------------------

// The inverse of M by elimination on G = [M | I] (n-by-2n, scratch of the
// caller); log2 |det M| from the pivots.  Returns false for a zero pivot.
bool invert(const Mats &mt, uint64_t *Minv, const uint64_t *M, uint64_t *G, uint64_t *ework, double *log2det) {
    const uint64_t n = mt.n, w = mt.w;
    for (uint64_t i = 0; i < n; ++i) std::memcpy(G + i * 2 * n * w, M + i * n * w, n * w * sizeof(uint64_t));
    widefp_matrix_inv(G, n, mt.p, ework);
    double ld = 0;
    for (uint64_t k = 0; k < n; ++k) {
        const uint64_t *piv = G + (k * 2 * n + k) * w;
        if (is_zero(piv)) return false;
        ld += log2_abs(piv);
    }
    *log2det = ld;
    for (uint64_t i = 0; i < n; ++i)
        std::memcpy(Minv + i * n * w, G + (i * 2 * n + n) * w, n * w * sizeof(uint64_t));
    return true;
}

constexpr int kSqrtIterations = 100;

// Y = the principal square root of A; M, Minv, T (n-by-n) and G (n-by-2n)
// are scratch.  0, 1 (no convergence) or 2 (a zero pivot: A or an iterate
// singular).
int sqrtm_run(const Mats &mt, uint64_t *Y, const uint64_t *A, uint64_t *M, uint64_t *Minv, uint64_t *T,
              uint64_t *G, uint64_t *ework) {
    const double b = bits(mt.p);
    mt.copy_from(M, A);
    mt.copy_from(Y, A);
    uint64_t *half = mt.t2 + 2 * mt.w;  // scratch elements after t2
    for (int it = 0; it < kSqrtIterations; ++it) {
        double ld;
        if (!invert(mt, Minv, M, G, ework, &ld)) return 2;
        const double delta = mt.log2_norm1_minus_identity(M);
        // Determinant scaling by a power of two: mu = 2^e near |det M|^(-1/(2n)).
        const int64_t e = delta > -8 ? static_cast<int64_t>(std::llround(-ld / (2.0 * static_cast<double>(mt.n)))) : 0;
        if (e != 0) {
            mt.scale2(M, 2 * e);
            mt.scale2(Minv, -2 * e);
            mt.scale2(Y, e);
        }
        // Y = (Y + Y Minv) / 2;  M = I/2 + (M + Minv) / 4.
        mt.mul(T, Y, Minv);
        for (uint64_t k = 0; k < mt.n * mt.n; ++k) {
            uint64_t *y = Y + k * mt.w, *m = M + k * mt.w;
            widefp_float_add(y, y, T + k * mt.w, mt.p);
            scale_pow2(y, -1);
            widefp_float_add(m, m, Minv + k * mt.w, mt.p);
            scale_pow2(m, -2);
        }
        set_one(half, mt.p);
        scale_pow2(half, -1);
        mt.add_identity(M, half);
        // The step from ||M - I|| = d leaves at most d^2 / (4 (1 - d)).
        if (e == 0 && delta <= -(b / 2 + 1)) return 0;
    }
    return 1;
}

}  // namespace

// ---- the exponential ------------------------------------------------------------
// Work: X, acc, X^1..X^kMaxBlock (n-by-n each), max_taylor(p)+1
// coefficients, four scratch elements.
extern "C" uint64_t widefp_matrix_expm_work_size(uint64_t n, uint64_t p) {
    if (n > kMaxCount || p > kMaxCount) return UINT64_MAX;
    const uint64_t nn = n * n;
    if (nn > UINT64_MAX / (kMaxBlock + 3)) return UINT64_MAX;
    return words_for(nn * (kMaxBlock + 2) + max_taylor(p) + 1 + 4, p);
}

extern "C" void widefp_matrix_expm(uint64_t *E, const uint64_t *A, uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    if (n == 0) return;
    const uint64_t w = p + 1, sz = n * n * w;
    uint64_t *X = work, *acc = X + sz, *pw = acc + sz, *coef = pw + kMaxBlock * sz;
    uint64_t *t = coef + (max_taylor(p) + 1) * w;
    Mats mt{n, p, w, t, t + w};
    mt.copy_from(X, A);
    const double l = mt.log2_norm1(X);
    if (l == -INFINITY) {
        mt.identity(E);
        return;
    }
    const ExpPlan plan = exp_plan(l, p);
    mt.scale2(X, -static_cast<int64_t>(plan.s));
    // 1/k!, each from the one before
    set_one(coef, p);
    for (uint64_t k = 1; k <= plan.m; ++k) widefp_float_idiv(coef + k * w, coef + (k - 1) * w, static_cast<int64_t>(k), p);
    powers(mt, pw, X, plan.r);
    uint64_t *R = plan.s & 1 ? X : E;  // the squarings alternate between E and X, ending in E
    ps_eval(mt, R, pw, plan.r, plan.m, acc, [&](uint64_t k, uint64_t *c) { copy(c, coef + k * w, p); }, t + 2 * w);
    for (uint64_t k = 0; k < plan.s; ++k) {
        uint64_t *dst = R == E ? X : E;
        mt.mul(dst, R, R);
        R = dst;
    }
}

// ---- the square root ---------------------------------------------------------------
// Work: M, Minv, T (n-by-n), G (n-by-2n), the inverse's work, four scratch elements.
extern "C" uint64_t widefp_matrix_sqrtm_work_size(uint64_t n, uint64_t p) {
    if (n > kMaxCount) return UINT64_MAX;
    const uint64_t nn = n * n;
    if (nn > UINT64_MAX / 8) return UINT64_MAX;
    return add_words(words_for(5 * nn + 4, p), widefp_matrix_inv_work_size(p));
}

extern "C" int widefp_matrix_sqrtm(uint64_t *S, const uint64_t *A, uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    if (n == 0) return 0;
    const uint64_t w = p + 1, sz = n * n * w;
    uint64_t *M = work, *Minv = M + sz, *T = Minv + sz, *G = T + sz, *t = G + 2 * sz, *ework = t + 4 * w;
    Mats mt{n, p, w, t, t + w};
    if (mt.log2_norm1(A) == -INFINITY) {  // the zero matrix is its own root
        mt.zero(S);
        return 0;
    }
    return sqrtm_run(mt, S, A, M, Minv, T, G, ework);
}

// ---- the logarithm ---------------------------------------------------------------------
constexpr int kMaxRoots = 64;

// Terms K of the series 2 sum Z^(2k+1)/(2k+1), k <= K, for ||Z|| <= 2^lz: the
// tail relative to 2||Z||, zeta^(2K+2) / ((2K+3)(1 - zeta^2)), below 2^-(b+2).
uint64_t atanh_terms(double lz, double b) {
    const double z2 = std::exp2(2 * lz);
    uint64_t K = 0;
    while ((2.0 * K + 2) * lz - std::log2((2.0 * K + 3) * (1 - z2)) > -(b + 2)) ++K;
    return K;
}
// Products of the series for ||B - I|| = 2^lx: Z = X (2I + X)^-1, ||Z|| <= xi / (2 - xi).
double log_series_cost(double lx, double b) {
    const double xi = std::exp2(lx);
    const uint64_t K = atanh_terms(std::log2(xi / (2 - xi)), b);
    return static_cast<double>(ps_products(K, ps_block(K)));
}

// Work: B, Z, W (Z^2), R, acc, the sqrt's own (M, Minv, T, G, its work) and
// the powers W^1..W^kMaxBlock; six scratch elements.
extern "C" uint64_t widefp_matrix_logm_work_size(uint64_t n, uint64_t p) {
    if (n > kMaxCount) return UINT64_MAX;
    const uint64_t nn = n * n;
    if (nn > UINT64_MAX / (kMaxBlock + 16)) return UINT64_MAX;
    return add_words(words_for((kMaxBlock + 11) * nn + 6, p), widefp_matrix_inv_work_size(p));
}

extern "C" int widefp_matrix_logm(uint64_t *L, const uint64_t *A, uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    if (n == 0) return 0;
    const uint64_t w = p + 1, sz = n * n * w;
    uint64_t *B = work, *Z = B + sz, *W = Z + sz, *acc = W + sz, *M = acc + sz, *Minv = M + sz, *T = Minv + sz;
    uint64_t *G = T + sz, *pw = G + 2 * sz, *t = pw + kMaxBlock * sz, *ework = t + 6 * w;
    uint64_t *R = L;
    Mats mt{n, p, w, t, t + w};
    const double b = bits(p);
    mt.copy_from(B, A);
    // Square roots until ||B - I|| <= 1/2, and on while one saves more
    // products of the series than it costs.
    int roots = 0;
    for (;;) {
        const double lx = mt.log2_norm1_minus_identity(B);
        if (lx == -INFINITY) {  // A = I
            mt.zero(L);
            return 0;
        }
        if (lx <= -1) {
            const double saved = log_series_cost(lx, b) - log_series_cost(lx - 1, b);
            const double root_cost = 2.5 * (std::log2(b / (-2 * lx)) + 2);
            if (saved <= root_cost) break;
        }
        if (roots == kMaxRoots) return 1;
        const int st = sqrtm_run(mt, Z, B, M, Minv, T, G, ework);
        if (st != 0) return st;
        mt.copy_from(B, Z);
        ++roots;
    }
    // X = B - I in B, W = 2I + X; Z = W^-1 X by elimination on [W | X].
    uint64_t *one = t + 2 * w;
    set_one(one, p);
    for (uint64_t i = 0; i < n; ++i) widefp_float_sub(mt.at(B, i, i), mt.at(B, i, i), one, p);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            copy(G + (i * 2 * n + j) * w, mt.at(B, i, j), p);
            copy(G + (i * 2 * n + n + j) * w, mt.at(B, i, j), p);
        }
    scale_pow2(one, 1);
    for (uint64_t i = 0; i < n; ++i) widefp_float_add(G + (i * 2 * n + i) * w, G + (i * 2 * n + i) * w, one, p);
    widefp_matrix_solve(G, n, n, p, ework);
    for (uint64_t i = 0; i < n; ++i) {
        if (is_zero(G + (i * 2 * n + i) * w)) return 2;
        std::memcpy(mt.at(Z, i, 0), G + (i * 2 * n + n) * w, n * w * sizeof(uint64_t));
    }
    const double lz = mt.log2_norm1(Z);
    if (lz == -INFINITY) {
        mt.zero(L);
        return 0;
    }
    if (lz >= -0.5) return 1;  // cannot happen for ||X|| <= 1/2
    const uint64_t K = atanh_terms(lz, b);
    const uint64_t r = ps_block(K);
    mt.mul(W, Z, Z);
    powers(mt, pw, W, r);
    // acc is the evaluation's scratch; the polynomial lands in M.
    ps_eval(mt, M, pw, r, K, acc,
            [&](uint64_t k, uint64_t *c) {
                set_one(c, p);
                widefp_float_idiv(c, c, static_cast<int64_t>(2 * k + 1), p);
            },
            t + 3 * w);
    mt.mul(R, Z, M);
    mt.scale2(R, roots + 1);
    return 0;
}
