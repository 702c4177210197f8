// heap.h -- heap scratch of the library: zeroed, and a failure goes through
// the fatal route instead of an exception.
#ifndef WIDEFP_KERNEL_HEAP_H
#define WIDEFP_KERNEL_HEAP_H

#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>

#include "widefp.h"

namespace widefp::detail {

// `count` zeroed objects of type T from the heap, freed when the pointer goes
// out of scope (zeroed, so that no stale word can reach a result, through the
// fraction of a zero for instance).  No exception may cross the library's C
// entry points: memory that cannot be had, or a count whose size does not
// fit, is reported as widefp_fatal("widefp:memory", ...).
template <class T>
std::unique_ptr<T[]> heap_array(uint64_t count) {
    T *block = nullptr;
    if (count <= SIZE_MAX / sizeof(T)) block = new (std::nothrow) T[count ? count : 1]();
    if (!block) {
        char text[80];
        std::snprintf(text, sizeof text, "widefp: no memory for %llu words of scratch\n",
                      static_cast<unsigned long long>((count * sizeof(T) + 7) / 8));
        widefp_fatal("widefp:memory", text);
    }
    return std::unique_ptr<T[]>(block);
}
inline std::unique_ptr<uint64_t[]> heap_words(uint64_t words) { return heap_array<uint64_t>(words); }

}  // namespace widefp::detail

#endif  // WIDEFP_KERNEL_HEAP_H
