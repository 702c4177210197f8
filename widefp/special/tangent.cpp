// tangent.cpp -- tangent numbers beyond the generated table, by the recurrence of Brent and Harvey.
#include "special/tangent.h"

#include <cmath>
#include <cstring>

#include "kernel/heap.h"
#include "kernel/internal.h"

namespace widefp::special {

using widefp::detail::u128;

double log2_tangent_bound(uint64_t k) {
    // T_k = |B_2k| 4^k (4^k - 1) / (2k) < 2 zeta(2k) (2k)! (2/pi)^(2k) / (2k),
    // zeta(2k) <= pi^2/6.
    const double kd = static_cast<double>(k);
    return std::log2(2.0 * 1.6449340668482264) + std::lgamma(2.0 * kd) / std::log(2.0) +
           2.0 * kd * std::log2(2.0 / 3.14159265358979323846) + 1e-6 * kd + 1.0;
}

Tangents::Tangents(uint64_t K) : count_(K) {
    if (K <= kTangentTable) return;
    // Slot j holds T[j], whose values only grow, up to T_j: its width is the
    // bound on T_j.  len[j] tracks the words in use.
    offset_ = widefp::detail::heap_words(K + 2);
    length_ = widefp::detail::heap_words(K + 1);
    uint64_t *off = offset_.get(), *len = length_.get();
    off[1] = 0;
    for (uint64_t j = 1; j <= K; ++j)
        off[j + 1] = off[j] + static_cast<uint64_t>(log2_tangent_bound(j) / 64.0) + 2;
    words_ = widefp::detail::heap_words(off[K + 1]);
    uint64_t *w = words_.get();
    auto slot = [&](uint64_t j) { return w + off[j]; };
    slot(1)[0] = 1;
    len[1] = 1;
    for (uint64_t k = 2; k <= K; ++k) {  // T[k] = (k-1)!
        const uint64_t *s = slot(k - 1);
        uint64_t *d = slot(k), c = 0, n = len[k - 1];
        for (uint64_t i = 0; i < n; ++i) {
            const u128 t = static_cast<u128>(s[i]) * (k - 1) + c;
            d[i] = static_cast<uint64_t>(t);
            c = static_cast<uint64_t>(t >> 64);
        }
        if (c) d[n++] = c;
        len[k] = n;
    }
    for (uint64_t k = 2; k <= K; ++k)
        for (uint64_t j = k; j <= K; ++j) {
            const uint64_t a = j - k, b = j - k + 2;
            const uint64_t *s = slot(j - 1);
            uint64_t *d = slot(j);
            const uint64_t ns = len[j - 1], nd = len[j], both = ns < nd ? ns : nd;
            u128 c = 0;
            uint64_t i = 0;
            for (; i < both; ++i) {
                c += static_cast<u128>(s[i]) * a + static_cast<u128>(d[i]) * b;
                d[i] = static_cast<uint64_t>(c);
                c >>= 64;
            }
            for (; i < ns; ++i) {
                c += static_cast<u128>(s[i]) * a;
                d[i] = static_cast<uint64_t>(c);
                c >>= 64;
            }
            for (; i < nd; ++i) {
                c += static_cast<u128>(d[i]) * b;
                d[i] = static_cast<uint64_t>(c);
                c >>= 64;
            }
            uint64_t m = i;
            while (c) {
                d[m++] = static_cast<uint64_t>(c);
                c >>= 64;
            }
            WIDEFP_ASSERTD(off[j] + m <= off[j + 1]);
            len[j] = m;
        }
}

const uint64_t *Tangents::get(uint64_t k, uint64_t *len) const {
    WIDEFP_ASSERTD(k >= 1 && k <= count_);
    if (!words_) {
        *len = kTangentOffset[k] - kTangentOffset[k - 1];
        return kTangentWords + kTangentOffset[k - 1];
    }
    *len = length_[k];
    return words_.get() + offset_[k];
}

}  // namespace widefp::special
