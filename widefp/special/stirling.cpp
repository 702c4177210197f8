// stirling.cpp -- ln|Gamma| pieces: Stirling's series after an upward shift, the reflection formula below 0.
#include "special/stirling.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "kernel/heap.h"

namespace widefp::special {

namespace {

constexpr double kLog2TwoPi = 2.6514961294723187;

// Word products of one product of q words.
double mul_cost(uint64_t q) {
    const double d = static_cast<double>(q);
    return q < kKaratsubaThreshold ? 0.5 * d * d + 8.0 * d : 3.0 * std::pow(d, 1.585);
}

}  // namespace

StirlingPlan stirling_plan(uint64_t q) {
    const double T = 64.0 * static_cast<double>(q) + 4.0;
    const double mc = mul_cost(q);
    StirlingPlan best{2.0, 1};
    double best_cost = HUGE_VAL;
    // lc = log2 |c_(K+1)| ~ 1 + log2((2K)!) - (2K+2) log2(2 pi), kept incrementally.
    double lc = 1.0 + 1.0 - 4.0 * kLog2TwoPi;  // K = 1: c_2 = 2 * 2! / (2 pi)^4
    for (uint64_t K = 1; K < 100000; ++K) {
        const double kd = static_cast<double>(K);
        if (K > 1) lc += std::log2((2.0 * kd) * (2.0 * kd - 1.0)) - 2.0 * kLog2TwoPi;
        const double lz = (lc + T) / (2.0 * kd + 1.0);
        if (lz > 30) continue;  // N < 2^30: the pair constants j(N-1-j) stay below 2^60
        const double z = std::exp2(lz);
        double cost = (z / 2.0 + kd) * mc;
        if (K + 1 > kTangentTable) {  // the tangent numbers up to K+1 computed
            const double words = (lc + std::log2(2.0 * kd + 1.0) + 4.0 * (kd + 1.0)) / 64.0 + 1.0;
            cost += (kd + 1.0) * (kd + 1.0) * words / 3.0;
        }
        if (cost < best_cost) {
            best_cost = cost;
            best = {std::max(z, 2.0), K};
        } else if (cost > 2.0 * best_cost && K > 2 * best.K) {
            break;
        }
    }
    return best;
}

StirlingCoefs::StirlingCoefs(Work &w, uint64_t K) : K_(K), q_(w.q), store_((K + 1) * (w.q + 1)) {
    re_store_ = widefp::detail::heap_array<double>(K + 2);
    re_ = re_store_.get();
    const uint64_t q = q_;
    Tangents t(K + 1);
    Scratch term(q + 1);
    for (uint64_t k = 1; k <= K + 1; ++k) {
        uint64_t *c = store_.get() + (k - 1) * (q + 1);
        uint64_t len;
        const uint64_t *Tk = t.get(k, &len);
        double ops = integer_to_widereal(Tk, len, c, q) ? 1.0 : 0.0;
        if (k > 1) {
            widefp_float_idiv(c, c, static_cast<int64_t>(2 * k - 1), q);
            ops += 1;
        }
        if (k <= 31) {  // 4^k - 1 < 2^62
            widefp_float_idiv(c, c, static_cast<int64_t>((uint64_t{1} << (2 * k)) - 1), q);
            ops += 1;
        } else if (k <= 62) {  // (2^k - 1)(2^k + 1)
            widefp_float_idiv(c, c, static_cast<int64_t>((uint64_t{1} << k) - 1), q);
            widefp_float_idiv(c, c, static_cast<int64_t>((uint64_t{1} << k) + 1), q);
            ops += 2;
        }
        c[0] -= 2 * k;  // times 4^-k
        if (k >= 63) {
            c[0] -= 2 * k;  // d = T_k / ((2k-1) 16^k)
            // 1/(4^k - 1) = 4^-k (1 + 4^-k + 4^-2k + ...): I further terms, the
            // rest below 2 * 4^-k(I+1) <= 2^-(64q+2) relative.
            const uint64_t I = (64 * q + 3 + 2 * k - 1) / (2 * k) - 1;
            std::memcpy(term.get(), c, (q + 1) * sizeof(uint64_t));
            for (uint64_t i = 1; i <= I; ++i) {
                term.get()[0] -= 2 * k;
                widefp_float_add(c, c, term.get(), q);
            }
            ops += static_cast<double>(I) + 1.0;
        }
        if ((k & 1) == 0) c[0] |= kSign;
        re_[k] = ops == 0 ? kExact : lg_second_order(std::log2(ops) + w.op());
    }
}

Num StirlingCoefs::c(uint64_t k) const {
    WIDEFP_ASSERTD(k >= 1 && k <= K_ + 1);
    Num n;
    n.w = const_cast<Scratch &>(store_).get() + (k - 1) * (q_ + 1);
    n.re = re_[k];
    return n;
}

namespace {

// S0(z) and the shift product P = x (x+1) ... (x+N-1) (has_product false
// when N = 0) for x > 0.
void positive_parts(Work &w, const StirlingCoefs &cs, const StirlingPlan &plan, const Num &x, Num &S, Num &P,
                    bool &has_product) {
    const uint64_t q = w.q;
    Num z = w.num();
    const double lx = log2_abs(x.w);
    uint64_t N = 0;
    if (lx < std::log2(plan.z0)) N = static_cast<uint64_t>(std::ceil(plan.z0 - std::exp2(lx))) + 1;
    has_product = N > 0;
    if (N > 0) {
        Num n = w.num();
        w.set_int(n, static_cast<int64_t>(N));
        w.add(z, x, n);
        // P: pairs (x+j)(x+N-1-j) = t + j(N-1-j), t = x(x+N-1), all positive:
        // each factor carries t's error and one sum's, each product one more.
        Num t = w.num(), f = w.num();
        if (N == 1) {
            w.copy(P, x);
        } else {
            w.set_int(n, static_cast<int64_t>(N - 1));
            w.add(t, x, n);
            w.mul(t, x, t);
            uint64_t factors = 0;
            w.set_int(P, 1);
            for (uint64_t j = 0; j < N / 2; ++j) {
                w.set_int(n, static_cast<int64_t>(j * (N - 1 - j)));
                widefp_float_add(f.w, t.w, n.w, q);
                if (factors++)
                    widefp_float_mul(P.w, P.w, f.w, q);
                else
                    std::memcpy(P.w, f.w, (q + 1) * sizeof(uint64_t));
            }
            double per_factor = lg_add(t.re, w.op());
            if (N & 1) {
                w.set_int(n, static_cast<int64_t>((N - 1) / 2));
                widefp_float_add(f.w, x.w, n.w, q);
                widefp_float_mul(P.w, P.w, f.w, q);
                ++factors;
                per_factor = lg_add(per_factor, lg_add(x.re, w.op()));
            }
            const double m = std::log2(static_cast<double>(factors));
            P.re = lg_second_order(m + lg_add(per_factor, w.op()));
        }
    } else {
        w.copy(z, x);
    }

    // S0(z) = (z - 1/2) ln z - z + sum_k c_k z^(1-2k)
    Num lz = w.num(), a = w.num(), half = w.num();
    w.log(lz, z);
    w.set_int(half, 1);
    half.w[0] -= 1;
    w.sub(a, z, half);
    w.mul(a, a, lz);
    w.sub(S, a, z);

    // The number of terms: the fewest whose first omitted term |c_(K+1)|
    // z^-(2K+1) is below 2^-(64q+4), from log2 |c| and log2 z to 2^-40 (a
    // factor 2 covers those and the errors of c and z).
    const double lzd = log2_abs(z.w) - 1e-9;
    const double target = -(64.0 * static_cast<double>(q) + 4.0);
    uint64_t K = cs.K();
    double bound = 0;
    for (uint64_t k = 0; k <= cs.K(); ++k) {
        bound = log2_abs(cs.c(k + 1).w) + 1.0 + 1e-9 - static_cast<double>(2 * k + 1) * lzd;
        if (bound <= target) {
            K = k;
            break;
        }
    }
    if (K > 0) {
        // Horner's rule on v = 1/z^2.  Where every |c_(k+1)| v <= |c_k| / 3 the
        // exact partial sums H_k satisfy |c_k|/2 <= |H_k| and |H_(k+1)| v <= |H_k|,
        // so each step adds at most e_v + 2 e_(c_k) + 4 units of rounding to
        // the relative error; otherwise every step is bounded on its own.
        Num zz = w.num(), v = w.num(), h = w.num(), one = w.num();
        w.mul(zz, z, z);
        w.set_int(one, 1);
        w.div(v, one, zz);
        const double lv = log2_abs(v.w);
        bool tame = true;
        double worst = kExact;
        for (uint64_t k = 1; k <= K; ++k) {
            const Num c = cs.c(k);
            worst = std::max(worst, c.re);
            if (k < K && log2_abs(cs.c(k + 1).w) + lv - log2_abs(c.w) > -1.585) tame = false;
        }
        w.copy(h, cs.c(K));
        if (tame) {
            for (uint64_t k = K - 1; k >= 1; --k) {
                widefp_float_mul(h.w, h.w, v.w, q);
                widefp_float_add(h.w, h.w, cs.c(k).w, q);
            }
            const double step = lg_add(lg_add(v.re, worst + 1.0), w.op() + 2.0);
            h.re = lg_second_order(std::log2(static_cast<double>(K)) + step);
        } else {
            for (uint64_t k = K - 1; k >= 1; --k) {
                w.mul(h, h, v);
                w.add(h, h, cs.c(k));
            }
        }
        w.div(h, h, z);
        w.add(S, S, h);
    }
    w.widen_abs(S, bound);
}

}  // namespace

void gamma_parts(Work &w, const StirlingCoefs &cs, const StirlingPlan &plan, const Num &x, GammaParts &out) {
    const uint64_t q = w.q;
    out.S = w.num();
    out.D = w.num();
    Num P = w.num(), root = w.num(), pi = w.num();
    bool has_product = false;
    w.constant(pi, Work::kPi);
    w.scale(root, pi, 1);
    w.sqrt(root, root);  // sqrt(2 pi)
    // D's factors are taken with their exponents apart and joined in eD.
    auto mantissa = [&](Num &v) {
        const int64_t e = exp_of(v);
        w.scale(v, v, -e);
        return e;
    };
    if (!neg_of(x)) {
        // D = sqrt(2 pi) / P
        positive_parts(w, cs, plan, x, out.S, P, has_product);
        int64_t e = 0;
        if (has_product) {
            e = -mantissa(P);
            w.div(out.D, root, P);
        } else {
            w.copy(out.D, root);
        }
        out.eD = e + mantissa(out.D);
        out.sgn = 1;
        out.neg = false;
        return;
    }
    // x < 0: r = x - n exactly (of the value x holds), y = 1 - x > 1.
    Num r = w.num(), y = w.num(), one = w.num(), s = w.num();
    const bool odd = nearest_split(x.w, q, r.w);
    WIDEFP_ASSERTD(!zero_of(r));
    r.re = x.re == kExact ? kExact : lg_second_order(x.re) + static_cast<double>(exp_of(x)) + 1.0 -
                                           static_cast<double>(exp_of(r));
    if (r.re > -4) r.re = kUseless;
    w.set_int(one, 1);
    w.sub(y, one, x);
    positive_parts(w, cs, plan, y, out.S, P, has_product);
    w.mul(s, pi, r);
    w.sin(s, s);
    const bool r_neg = neg_of(s);
    s.w[0] &= ~kSign;
    // D = sqrt(pi/2) P / |sin(pi r)|, sqrt(pi/2) = sqrt(2 pi) / 2
    int64_t e = -1 - mantissa(s);
    if (has_product) {
        e += mantissa(P);
        w.mul(out.D, root, P);
    } else {
        w.copy(out.D, root);
    }
    w.div(out.D, out.D, s);
    out.eD = e + mantissa(out.D);
    out.sgn = -1;
    out.neg = odd != r_neg;
}

}  // namespace widefp::special
