// karatsuba.h -- the Karatsuba engine: the full 2n-word product of two n-word
// numbers, unrounded, for the array and floating products.
#ifndef WIDEFP_KERNEL_KARATSUBA_H
#define WIDEFP_KERNEL_KARATSUBA_H

#include <cstdint>
#include <memory>

#include "kernel/heap.h"

namespace widefp::detail {

// Longest piece multiplied directly by schoolbook columns.
constexpr uint64_t kKaratsubaBase = 40;

// Scratch words the engine needs for an n-word product (n >= 1): 7*ne with
// ne = n rounded up to even (each level of length L uses 14*ceil(L/2) words
// of its region, its children nest inside).  The frames of the explicit
// stack are a fixed array inside the engine and need no scratch.
constexpr uint64_t karatsuba_scratch_words(uint64_t n) { return 7 * (n + (n & 1)); }

// Scratch up to this many words lives on the call stack (4 KiB, products
// of up to 72 words); beyond it the scratch comes from the heap (from
// kKaratsubaThreshold words on, where the dispatch sends products here, always: 40 KiB and
// more), so that a product of hundreds of thousands of words cannot
// overflow a thread's stack.  The engine's frames (six words a level, 32
// levels) are a fixed 1.5 KiB array on the stack.
constexpr uint64_t kKaratsubaStackWords = 512;

// Holder of the engine's scratch: a stack array for short products, a heap
// block (freed on scope exit) for long ones.
class KaratsubaScratch {
public:
    explicit KaratsubaScratch(uint64_t n) {
        uint64_t words = karatsuba_scratch_words(n);
        if (words > kKaratsubaStackWords) {
            heap_ = widefp::detail::heap_words(words);
            ptr_ = heap_.get();
        } else {
            ptr_ = local_;
        }
    }
    uint64_t *get() { return ptr_; }

private:
    uint64_t local_[kKaratsubaStackWords];
    std::unique_ptr<uint64_t[]> heap_;
    uint64_t *ptr_;
};

// Full product P = A*B of two n-word numbers (n >= 1, most significant word
// first) into scratch[0..2n-1], P[0] the most significant word.  scratch
// holds karatsuba_scratch_words(n) words and must not overlap a or b.
// Pieces of at most `base` words (>= 1) go by schoolbook columns: the
// products of kKaratsubaThreshold words and more use kKaratsubaBase; the internal products
// of the half products may split further (the exact product is the same).
void karatsuba_product(uint64_t *scratch, const uint64_t *a, const uint64_t *b, uint64_t n,
                       uint64_t base = kKaratsubaBase);

// Schoolbook pieces of the Karatsuba products inside the long half products:
// splitting a piece of 32 words once more still pays on this hardware.
constexpr uint64_t kTriangleKaratsubaBase = 30;

// Upper triangle of the product of two n-word numbers, exactly: the sum of
// a[i]*b[j]*2^(64(n-1-i-j)) over i + j <= n-1, that is the columns 0..n-1 of
// the schoolbook product, into u[0..n] (most significant first).  These are
// the exact columns of the half products.  Short triangles go by columns;
// long ones split in two halves: the full product of the high halves (the
// Karatsuba engine) plus two triangles of half the length, which costs
// about as much as one Karatsuba product of n words instead of n^2/2 word
// products.  scratch holds upper_triangle_scratch_words(n) words and
// overlaps nothing else; u must not overlap a or b.
void upper_triangle(uint64_t *u, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t *scratch);

// Triangles of at most this many words go by columns.
constexpr uint64_t kTriangleColumns = 120;

// Scratch words for upper_triangle(n): the larger of the Karatsuba scratch
// of the high halves and one sub-triangle (l+1 words) plus its own scratch.
constexpr uint64_t upper_triangle_scratch_words(uint64_t n) {
    if (n <= kTriangleColumns) return 0;
    const uint64_t h = (n + 1) / 2, l = n - h;
    const uint64_t k = karatsuba_scratch_words(h);
    const uint64_t t = l + 1 + upper_triangle_scratch_words(l);
    return k > t ? k : t;
}

}  // namespace widefp::detail

#endif
