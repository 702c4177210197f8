// array_mul.cpp -- products of n-word arrays: the half product, the Karatsuba product, the dispatch.
#include <cstring>
#include <memory>

#include "kernel/array_mul_skip.h"
#include "kernel/heap.h"
#include "kernel/internal.h"
#include "kernel/karatsuba.h"
#include "kernel/mul_columns.h"
#include "widefp.h"

namespace widefp::detail {

namespace {

// out = |x - y| over h words (most significant first); returns 1 when
// x < y (the difference is negative), 0 otherwise (equality included).
// out may be the same array as y.
inline uint64_t abs_difference(uint64_t *out, const uint64_t *x, const uint64_t *y, uint64_t h) {
    uint64_t i = 0;
    while (i < h && x[i] == y[i]) ++i;
    uint64_t negative = (i < h && x[i] < y[i]) ? 1 : 0;
    if (negative) {
        const uint64_t *t = x;
        x = y;
        y = t;
    }
    sub_words(out, x, y, h);
    return negative;
}

// Adds v (0..3) into d[j], d[j-1], ... until the carry dies out.
inline void propagate(uint64_t *d, uint64_t j, uint64_t v) {
    while (v) {
        uint64_t s = d[j] + v;
        v = s < v;
        d[j] = s;
        if (j == 0) break;
        --j;
    }
}

}  // namespace

// The Karatsuba recursion, run without nested calls.  Each open level keeps
// a frame (its operands, destination, h, l and the sign of the middle
// product) and a two-bit resume code in `codes` (1: ko01, 2: ko10, 3: ko11);
// 32 levels fit in the 64-bit word, far more than any product needs (a
// level at least halves the length).  A level of length L multiplies into
// D[0..2L-1] and uses D[0..14h-1]: z2 at D[0], z0 at D[2h], the middle
// product at D[4h], the padded z0 at D[6h], the two differences at D[12h]
// and D[13h]; the children's regions end below D[12h].
void karatsuba_product(uint64_t *scratch, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t base) {
    WIDEFP_ASSERTD(n >= 1 && base >= 1);
    WIDEFP_ASSERTD(scratch + karatsuba_scratch_words(n) <= a || a + n <= scratch);
    WIDEFP_ASSERTD(scratch + karatsuba_scratch_words(n) <= b || b + n <= scratch);
    struct Frame {
        const uint64_t *a;
        const uint64_t *b;
        uint64_t *d;
        uint64_t h;
        uint64_t l;
        uint64_t negative;
    };
    Frame frames[32];
    uint64_t codes = 0;
    int depth = -1;  // innermost open frame; -1 when none is open
    Frame *f = nullptr;

    // The product about to be formed.
    const uint64_t *pa = a;
    const uint64_t *pb = b;
    uint64_t *pd = scratch;
    uint64_t len = n;

    auto set_code = [&](uint64_t code) {
        unsigned shift = 2 * static_cast<unsigned>(depth);
        codes = (codes & ~(uint64_t{3} << shift)) | (code << shift);
    };

open:
    if (len <= base) {
        schoolbook_full(pd, pa, pb, len);
        goto resume;
    }
    ++depth;
    WIDEFP_ASSERTD(depth < 32);
    f = &frames[depth];
    f->a = pa;
    f->b = pb;
    f->d = pd;
    f->h = (len + 1) / 2;
    f->l = len / 2;
    f->negative = 0;
    goto ko00;

ko00:  // z2 = A_hi * B_hi into D[0..2h-1]
    set_code(1);
    pa = f->a;
    pb = f->b;
    pd = f->d;
    len = f->h;
    goto open;

ko01:  // z0 = A_lo * B_lo into D[2h..2L-1]
    set_code(2);
    pa = f->a + f->h;
    pb = f->b + f->h;
    pd = f->d + 2 * f->h;
    len = f->l;
    goto open;

ko10: {  // |A_hi - A_lo| and |B_hi - B_lo| into D[12h], D[13h]; M into D[4h]
    const uint64_t h = f->h, l = f->l;
    uint64_t *d = f->d;
    uint64_t *da = d + 12 * h;
    uint64_t *db = d + 13 * h;
    const uint64_t *alo = f->a + h;
    const uint64_t *blo = f->b + h;
    if (l < h) {  // odd length: zero-extend the low parts to h words
        da[0] = 0;
        std::memcpy(da + 1, alo, l * sizeof(uint64_t));
        db[0] = 0;
        std::memcpy(db + 1, blo, l * sizeof(uint64_t));
        alo = da;
        blo = db;
    }
    f->negative = abs_difference(da, f->a, alo, h) ^ abs_difference(db, f->b, blo, h);
    set_code(3);
    pa = da;
    pb = f->a == f->b ? da : db;  // a square: the two differences are equal
    pd = d + 4 * h;
    len = h;
    goto open;
}

ko11: {  // add z2 + z0 -/+ M into the window D[l .. l+2h-1]
    const uint64_t h = f->h, l = f->l;
    uint64_t *d = f->d;
    // z0 right-aligned in the 2h words at D[6h] (zeros above it when L is
    // odd), with M already taken off (flag non-negative) or added (flag
    // negative) on the way: the window then needs one pass.  The borrow or
    // carry of that first pass is settled with the window's carry.
    uint64_t *z0 = d + 6 * h;
    const uint64_t pad = 2 * (h - l);
    const uint64_t *m = d + 4 * h;
    uint64_t borrow = 0, carry;
    if (f->negative) {
        carry = add_words(z0 + pad, d + 2 * h, m + pad, 2 * l, 0);
        for (uint64_t i = pad; i-- > 0;) {
            z0[i] = m[i] + carry;
            carry = z0[i] < carry;
        }
    } else {
        borrow = sub_words(z0 + pad, d + 2 * h, m + pad, 2 * l);
        for (uint64_t i = pad; i-- > 0;) {
            z0[i] = 0 - m[i] - borrow;
            borrow = (m[i] | borrow) != 0;
        }
        carry = 0;
    }
    // window += z2 + (z0 -/+ M); the net carry (0..2, never negative since
    // z1 is not) goes into D[l-1] and upward.
    uint64_t *w = d + l;
    carry += add2_words(w, d, z0, 2 * h);
    WIDEFP_ASSERTD(carry >= borrow);
    propagate(d, l - 1, carry - borrow);
    --depth;
    goto resume;
}

resume:
    if (depth < 0) return;
    f = &frames[depth];
    switch ((codes >> (2 * static_cast<unsigned>(depth))) & 3) {
        case 1:
            goto ko01;
        case 2:
            goto ko10;
        default:
            goto ko11;
    }
}

void upper_triangle(uint64_t *u, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t *scratch) {
    WIDEFP_ASSERTD(n >= 1);
    if (n <= kTriangleColumns) {
        u[0] = triangle_columns(u + 1, a, b, n, 0, 0);
        return;
    }
    // Pairs with i, j < h all lie in the triangle (2h-2 <= n-1): their full
    // product fills u[0..2h-1]; pairs with i, j >= h lie outside; the mixed
    // pairs form two triangles of l words at the bottom.
    const uint64_t h = (n + 1) / 2, l = n - h;
    karatsuba_product(scratch, a, b, h, kTriangleKaratsubaBase);
    std::memcpy(u, scratch, 2 * h * sizeof(uint64_t));
    for (uint64_t i = 2 * h; i <= n; ++i) u[i] = 0;
    uint64_t *t = scratch;
    for (int half = 0; half < 2; ++half) {
        if (half == 0)
            upper_triangle(t, a, b + h, l, scratch + l + 1);
        else if (a != b)
            upper_triangle(t, a + h, b, l, scratch + l + 1);
        // else a square: the second triangle equals the first, still in t
        // u[n-l .. n] += t[0..l]
        uint64_t carry = 0;
        for (uint64_t i = l + 1; i-- > 0;) {
            u128 s = static_cast<u128>(u[n - l + i]) + t[i] + carry;
            u[n - l + i] = static_cast<uint64_t>(s);
            carry = static_cast<uint64_t>(s >> 64);
        }
        propagate(u, h - 1, carry);  // n - l = h >= 1
    }
}

}  // namespace widefp::detail

using namespace widefp::detail;

namespace {

// P'[0..n+1] of a long half product: the columns 0..n exactly (the upper
// triangle of the operands extended by a zero word) plus the carry estimate.
void long_half_product(uint64_t *pp, const uint64_t *a, const uint64_t *b, uint64_t n) {
    const uint64_t m = n + 1;
    std::unique_ptr<uint64_t[]> buf = widefp::detail::heap_words(2 * m + upper_triangle_scratch_words(m));
    uint64_t *ae = buf.get(), *be = ae + m;
    std::memcpy(ae, a, n * sizeof(uint64_t));
    std::memcpy(be, b, n * sizeof(uint64_t));
    ae[n] = be[n] = 0;
    upper_triangle(pp, ae, a == b ? ae : be, m, be + m);  // a square stays one
    u128 est = column_high_sum(a + 2, b + (n - 1), n - 2);
    u128 s = static_cast<u128>(pp[n + 1]) + static_cast<uint64_t>(est);
    pp[n + 1] = static_cast<uint64_t>(s);
    s = static_cast<u128>(pp[n]) + static_cast<uint64_t>(est >> 64) + static_cast<uint64_t>(s >> 64);
    pp[n] = static_cast<uint64_t>(s);
    propagate(pp, n - 1, static_cast<uint64_t>(s >> 64));
}

}  // namespace

// Precondition: n >= 2 (the formulas give the natural result for n = 1).
uint64_t widefp_array_mul_h(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n) {
    WIDEFP_ASSERTD(n >= 1);
    if (n + 1 > kTriangleColumns) {
        std::unique_ptr<uint64_t[]> pp = widefp::detail::heap_words(n + 2);
        long_half_product(pp.get(), a, b, n);
        uint64_t top = pp[0];
        if (pp[n + 1] >= kHalf) {  // round half up at P'[n]
            uint64_t j = n;
            while (j > 0 && ++pp[j] == 0) --j;
            if (j == 0) ++top;
        }
        std::memcpy(result, pp.get() + 1, n * sizeof(uint64_t));
        return top;
    }
    // Carry estimate: high halves of column n+1 (pairs i = 2..n-1).
    u128 est = n >= 3 ? column_high_sum(a + 2, b + (n - 1), n - 2) : 0;
    uint64_t lo = static_cast<uint64_t>(est), mid = static_cast<uint64_t>(est >> 64), hi = 0;
    // Column n (pairs i = 1..n-1) gives the rounding word P'[n+1].
    column_sum(a + 1, b + (n - 1), n - 1, lo, mid, hi);
    const uint64_t g = lo;
    lo = mid;
    mid = hi;
    // Columns n-1 .. 0.  Column k reads a[0..k] and b[0..k] only, so its
    // word P'[k+1] can go straight into result[k] even when result is a or b.
    uint64_t top = triangle_columns(result, a, b, n, lo, mid);
    if (g >= kHalf) {  // round half up at P'[n]
        uint64_t j = n;
        while (j > 0 && ++result[j - 1] == 0) --j;
        if (j == 0) ++top;
    }
    return top;
}

// Rounds the exact 2n-word product pr to its words 1..n, to nearest with ties
// to even (P[n+1] the rounding word, P[n+2..2n-1] the sticky words), copies
// them to result and returns the top word P[0].
static uint64_t round_exact_product(uint64_t *result, uint64_t *pr, uint64_t n) {
    const uint64_t g = pr[n + 1];
    bool up = g > kHalf;
    if (g == kHalf) {
        bool sticky = false;
        for (uint64_t i = n + 2; i < 2 * n; ++i) sticky |= pr[i] != 0;
        up = sticky || (pr[n] & 1);
    }
    if (up) {
        uint64_t j = n;
        while (++pr[j] == 0 && j > 0) --j;
    }
    std::memcpy(result, pr + 1, n * sizeof(uint64_t));
    return pr[0];
}

// Precondition: n >= 2.
uint64_t widefp_array_mul_k(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n) {
    WIDEFP_ASSERTD(n >= 2);
    KaratsubaScratch scratch(n);
    uint64_t *pr = scratch.get();
    karatsuba_product(pr, a, b, n);
    return round_exact_product(result, pr, n);
}

uint64_t widefp_array_mul(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n) {
    if (n >= kKaratsubaThreshold) return widefp_array_mul_k(result, a, b, n);
    return widefp_array_mul_h(result, a, b, n);
}

namespace widefp::detail {

namespace {

// d[0..lx+ly-1] = x * y exactly for lx, ly >= 1 (most significant words
// first).  The shorter operand multiplies pieces of its own length of the
// longer one by the Karatsuba engine, from the low end up; the piece left at
// the top, shorter still, goes the same way with the roles swapped.  d must
// not overlap x or y.
void unbalanced_product(uint64_t *d, const uint64_t *x, uint64_t lx, const uint64_t *y, uint64_t ly) {
    if (lx > ly) {
        const uint64_t *t = x;
        x = y;
        y = t;
        const uint64_t l = lx;
        lx = ly;
        ly = l;
    }
    std::memset(d, 0, (lx + ly) * sizeof(uint64_t));
    KaratsubaScratch scratch(lx);
    uint64_t *s = scratch.get();
    uint64_t pos = ly;  // y[pos..] is done
    while (pos >= lx) {
        pos -= lx;
        karatsuba_product(s, x, y + pos, lx);
        // d[pos .. pos+2lx-1] += s[0..2lx-1]: the upper lx words of that
        // window are still zero, so the sum fits in it (below 2^(128 lx)).
        uint64_t carry = add_words(d + pos, d + pos, s, 2 * lx, 0);
        WIDEFP_ASSERTD(carry == 0);
        (void)carry;
    }
    if (pos > 0) {  // y[0..pos-1] times x, at d[0 .. lx+pos-1]
        std::unique_ptr<uint64_t[]> t = widefp::detail::heap_words(lx + pos);
        unbalanced_product(t.get(), x, lx, y, pos);
        uint64_t carry = add_words(d, d, t.get(), lx + pos, 0);
        WIDEFP_ASSERTD(carry == 0);
        (void)carry;
    }
}

}  // namespace

uint64_t array_mul_skip(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t za) {
    WIDEFP_ASSERTD(za <= n);
#ifndef NDEBUG
    for (uint64_t i = 0; i < za; ++i) WIDEFP_ASSERTD(a[i] == 0);
#endif
    // From kKaratsubaThreshold words on the exact product of the nonzero part goes by pieces
    // (unbalanced_product), which only pays once the zero words are some 30%
    // of a; fewer go through the balanced engine.
    const bool long_exact = n >= kKaratsubaThreshold;
    if (za == 0 || static_cast<int64_t>(n) < 2 || (long_exact && 10 * za < 3 * n))
        return widefp_array_mul(result, a, b, n);
    if (za == n) {  // a is zero: so is every column and the estimate
        std::memset(result, 0, n * sizeof(uint64_t));
        return 0;
    }
    const uint64_t m = n - za;  // the words of a that may be nonzero
    if (long_exact) {
        // The exact product: za zero words, then (a[za..n-1]) * b.
        std::unique_ptr<uint64_t[]> buf = widefp::detail::heap_words(2 * n);
        uint64_t *pr = buf.get();
        std::memset(pr, 0, za * sizeof(uint64_t));
        unbalanced_product(pr + za, a + za, m, b, n);
        return round_exact_product(result, pr, n);
    }
    // The carry estimate: high halves of column n+1, pairs i = max(2, za)..n-1.
    const uint64_t e0 = za > 2 ? za : 2;
    const u128 est = e0 < n ? column_high_sum(a + e0, b + (n + 1 - e0), n - e0) : 0;
    if (n + 1 > kTriangleColumns) {
        // The exact columns 0..n of a and b extended by a zero word: the
        // pairs with i >= za form the triangle of m+1 words of a[za..] and
        // b, whose value lands in the low m+2 words of P'[0..n+1].
        const uint64_t w = m + 1;
        std::unique_ptr<uint64_t[]> buf = widefp::detail::heap_words((n + 2) + 2 * w + upper_triangle_scratch_words(w));
        uint64_t *pp = buf.get(), *ae = pp + (n + 2), *be = ae + w;
        std::memcpy(ae, a + za, m * sizeof(uint64_t));
        std::memcpy(be, b, w * sizeof(uint64_t));  // w <= n words of b
        ae[m] = 0;
        std::memset(pp, 0, za * sizeof(uint64_t));
        upper_triangle(pp + za, ae, be, w, be + w);
        u128 s = static_cast<u128>(pp[n + 1]) + static_cast<uint64_t>(est);
        pp[n + 1] = static_cast<uint64_t>(s);
        s = static_cast<u128>(pp[n]) + static_cast<uint64_t>(est >> 64) + static_cast<uint64_t>(s >> 64);
        pp[n] = static_cast<uint64_t>(s);
        propagate(pp, n - 1, static_cast<uint64_t>(s >> 64));
        uint64_t top = pp[0];
        if (pp[n + 1] >= kHalf) {  // round half up at P'[n]
            uint64_t j = n;
            while (j > 0 && ++pp[j] == 0) --j;
            if (j == 0) ++top;
        }
        std::memcpy(result, pp + 1, n * sizeof(uint64_t));
        return top;
    }
    uint64_t lo = static_cast<uint64_t>(est), mid = static_cast<uint64_t>(est >> 64), hi = 0;
    // Column n: pairs i = max(1, za)..n-1 (za >= 1 here).
    column_sum(a + za, b + (n - za), n - za, lo, mid, hi);
    const uint64_t g = lo;
    lo = mid;
    mid = hi;
    // Columns n-1 .. za: the pairs i = za..k, the triangle of a[za..] and b
    // into result[za..n-1].  Columns za-1 .. 0 add nothing: the word left
    // after column za is P'[za]; the one above it, P'[za-1], and all higher
    // words are zero, since a < 2^(64(n-za)) keeps P' below 2^(64(n+2-za)).
    // The reads of column k end before result[k] is written, as in
    // triangle_columns, so result may be a or b.
    const uint64_t w_za = triangle_columns(result + za, a + za, b, m, lo, mid);
    uint64_t top = 0;
    result[za - 1] = w_za;
    for (uint64_t i = 0; i + 1 < za; ++i) result[i] = 0;
    if (g >= kHalf) {  // round half up at P'[n]
        uint64_t j = n;
        while (j > 0 && ++result[j - 1] == 0) --j;
        if (j == 0) ++top;
    }
    return top;
}

}  // namespace widefp::detail
