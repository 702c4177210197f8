// Square root by Newton's iteration for the reciprocal root, and hypot.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "heap.h"
#include "internal.h"
#include "widefp.h"

namespace {

using namespace widefp::detail;

// Offsets inside the caller's work area of 4p+8 words.
struct SqrtLayout {
    uint64_t *m;      // p+1 words: the reduced operand M in [1, 4), integer word first
    uint64_t *y;      // p+1 words: the current reciprocal root
    uint64_t *spill;  // one word after y: the bit shifted out when y is halved
    uint64_t *t;      // p+1 words: the temporary of each step
    uint64_t *three;  // p+1 words: the constant 3 (a zero word precedes it)
    explicit SqrtLayout(uint64_t *w, uint64_t p)
        : m(w), y(w + p + 2), spill(w + 2 * p + 3), t(w + 2 * p + 4), three(w + 3 * p + 6) {}
};

// dst = src shifted right by one bit as one n-word number; returns the bit
// shifted out of the last word, at the top of a word.  dst may alias src.
uint64_t shift_right_one(uint64_t *dst, const uint64_t *src, uint64_t n) {
    uint64_t out = src[n - 1] << 63;
    for (uint64_t j = n - 1; j > 0; --j) dst[j] = (src[j] >> 1) | (src[j - 1] << 63);
    dst[0] = src[0] >> 1;
    return out;
}

}  // namespace

// Precondition: p >= 2 (the products run on p+1 >= 3 words); work holds 4p+8 words.
extern "C" uint64_t widefp_float_sqrt(uint64_t *result, const uint64_t *x, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && work != nullptr);
    std::memset(work, 0, (4 * p + 8) * sizeof(uint64_t));
    const uint64_t x0 = x[0];

    // ---- special operands ----
    if (x0 & kSign) {
        std::printf("%016llx\n", static_cast<unsigned long long>(x0));
        std::fflush(stdout);
        widefp_fatal("widefp:domain", "sqrt : domain error\n");
    }
    if (x0 == 0) {  // +0: word 0 only
        result[0] = 0;
        return 0;
    }
    if (x0 == kExpMask) {  // +infinity
        result[0] = kExpMask;
        std::memset(result + 1, 0, p * sizeof(uint64_t));
        return 0;
    }

    const uint64_t n = p + 1;  // fixed-point length: integer word + p fraction words
    SqrtLayout w(work, p);

    // ---- reduction: x = M * 2^(2h), M in [1, 4) ----
    const int64_t e = static_cast<int64_t>(x0) - static_cast<int64_t>(kBias);
    const bool odd = (e & 1) != 0;
    const int64_t h = e >> 1;  // floor(e / 2)
    if (odd) {
        w.m[0] = 2 | (x[1] >> 63);
        for (uint64_t j = 1; j < p; ++j) w.m[j] = (x[j] << 1) | (x[j + 1] >> 63);
        w.m[p] = x[p] << 1;
    } else {
        w.m[0] = 1;
        std::memcpy(w.m + 1, x + 1, p * sizeof(uint64_t));
    }
    w.three[0] = 3;

    // ---- initial estimate from a double: 1/sqrt(M truncated to 52 bits) ----
    uint64_t dbits = (0x3ff0000000000000ULL + (odd ? (uint64_t{1} << 52) : 0)) | (x[1] >> 12);
    double d;
    std::memcpy(&d, &dbits, sizeof d);
    const double y0 = 1.0 / std::sqrt(d);
    if (y0 == 1.0) {
        w.y[0] = 1;
    } else {  // y0 in [1/2, 1): 0.1f with f the 52 fraction bits of y0
        uint64_t ybits;
        std::memcpy(&ybits, &y0, sizeof ybits);
        w.y[1] = 0x8000000000000000ULL | ((ybits & 0x000fffffffffffffULL) << 11);
    }

    // ---- Newton steps y <- y (3 - M y^2) / 2, doubling the correct bits ----
    for (uint64_t bits = 50; bits < 64 * n; bits *= 2) {
        widefp_array_mul(w.t, w.y, w.y, n);
        widefp_array_mul(w.t, w.t, w.m, n);
        widefp_array_sub(w.t, w.three, w.t, n);
        widefp_array_mul(w.t, w.t, w.y, n);
        *w.spill = shift_right_one(w.y, w.t, n);
    }

    // ---- root: t = y * M ~ sqrt(M) in [1, 2) ----
    widefp_array_mul(w.t, w.y, w.m, n);
    const uint64_t *t = w.t;
    uint64_t ret;
    if (t[0] == 1) {
        result[0] = static_cast<uint64_t>(h + static_cast<int64_t>(kBias));
        std::memcpy(result + 1, t + 1, p * sizeof(uint64_t));
        ret = *w.spill;
    } else if (t[0] >= 2) {  // landed at or just above 2: shift right one bit
        result[0] = static_cast<uint64_t>(h + static_cast<int64_t>(kBias) + 1);
        ret = t[p] << 63;
        for (uint64_t j = p; j >= 1; --j) result[j] = (t[j] >> 1) | (t[j - 1] << 63);
    } else {  // integer word 0: just below 1, shift left one bit
        result[0] = static_cast<uint64_t>(h + static_cast<int64_t>(kBias) - 1);
        for (uint64_t j = 1; j < p; ++j) result[j] = (t[j] << 1) | (t[j + 1] >> 63);
        result[p] = t[p] << 1;
        ret = 0;
    }
    return ret;
}

uint64_t widefp::detail::truncated_hypot_work_size(uint64_t p) {
    return p > (UINT64_MAX - 8) / 4 ? UINT64_MAX : 4 * p + 8;
}

void widefp::detail::truncated_hypot(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t p,
                                     uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2);
    // b^2 goes to the work area first, so that result may alias a or b.  Its
    // words are zeroed: a zero or infinite square writes word 0 only, and the
    // addition then reads the fraction words.
    std::memset(work, 0, (p + 1) * sizeof(uint64_t));
    widefp_float_mul(work, b, b, p);
    widefp_float_mul(result, a, a, p);
    widefp_float_add(result, result, work, p);
    widefp_float_sqrt(result, result, p, work);
}

// sqrt(a^2 + b^2), every step truncated.  The work area comes from the heap;
// a failed allocation is reported through the fatal route.
extern "C" void widefp_mex_hypot(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t p) {
    WIDEFP_ASSERTD(p >= 2);
    const uint64_t words = truncated_hypot_work_size(p);
    if (words > SIZE_MAX / sizeof(uint64_t)) widefp_fatal("widefp:memory", "hypot : out of memory\n");
    std::unique_ptr<uint64_t[]> work = heap_words(words);
    truncated_hypot(result, a, b, p, work.get());
}
