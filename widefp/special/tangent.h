// tangent.h -- the tangent numbers T_k (1, 2, 16, 272, ...), exact, behind the
// coefficients B_2k / (2k(2k-1)) = (-1)^(k-1) T_k / ((2k-1) 4^k (4^k - 1)) of
// Stirling's series.
#ifndef WIDEFP_SPECIAL_TANGENT_H
#define WIDEFP_SPECIAL_TANGENT_H

#include <cstdint>
#include <memory>

namespace widefp::special {

// The generated table (tangent_table.cpp): T_1 .. T_352.
constexpr uint64_t kTangentTable = 352;
extern const uint32_t kTangentOffset[kTangentTable + 1];
extern const uint64_t kTangentWords[];

// T_1 .. T_K: the table's when K <= 352, otherwise all computed (on the heap)
// by the recurrence T[j] <- (j-k) T[j-1] + (j-k+2) T[j] of Brent and Harvey,
// exact integer arithmetic on little-endian words, about K^3 log2(K) / 200
// word products.
class Tangents {
public:
    explicit Tangents(uint64_t K);
    uint64_t count() const { return count_; }
    // T_k (1 <= k <= count()) as len little-endian words, the top one nonzero.
    const uint64_t *get(uint64_t k, uint64_t *len) const;

private:
    uint64_t count_;
    std::unique_ptr<uint64_t[]> words_;
    std::unique_ptr<uint64_t[]> offset_, length_;
};

// An upper bound on log2 T_k.
double log2_tangent_bound(uint64_t k);

}  // namespace widefp::special

#endif  // WIDEFP_SPECIAL_TANGENT_H
