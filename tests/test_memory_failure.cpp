// Allocation failures inside the library's C entry points: every
// std::vector or std::string the readers and the decimal output allocate may
// fail, and each failure must arrive through the fatal route as
// "widefp:memory", never as an exception crossing the C frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "harness.h"
#include "widefp.h"

namespace {
// Allocations left before the one that fails; -1 = none fails.  One-shot:
// the failing allocation disarms it, so the fatal handler can allocate.
long g_fail_after = -1;
}  // namespace

void *operator new(std::size_t n) {
    if (g_fail_after == 0) {
        g_fail_after = -1;
        throw std::bad_alloc();
    }
    if (g_fail_after > 0) --g_fail_after;
    if (void *p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
// Every form the library may use, so that all memory comes from malloc
// (a sanitizer's own forms would otherwise free it as theirs).
void *operator new[](std::size_t n) { return operator new(n); }
void *operator new(std::size_t n, const std::nothrow_t &) noexcept {
    try {
        return operator new(n);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}
void *operator new[](std::size_t n, const std::nothrow_t &t) noexcept { return operator new(n, t); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

namespace {

struct Fatal {
    std::string id;
};
[[noreturn]] void disarm_and_throw(const char *id, const char *) {
    g_fail_after = -1;
    throw Fatal{id};
}

// Makes allocation k of f fail, for k = 0, 1, ... until f runs through
// without reaching it; every failure must be the fatal "widefp:memory", and
// f's own outcome otherwise is `normal` (a fatal identifier, or "" for a
// normal return).
void fail_each_allocation(const char *what, const std::function<void()> &f, const std::string &normal = "") {
    widefp_fatal_handler previous = widefp_set_fatal_handler(&disarm_and_throw);
    for (long k = 0; k < 10000; ++k) {
        std::string fatal;
        g_fail_after = k;
        try {
            f();
        } catch (const Fatal &e) {
            fatal = e.id;
        }
        const bool reached = fatal == "widefp:memory";
        g_fail_after = -1;
        if (!reached) {
            EXPECT_EQ(fatal, normal) << what;
            EXPECT_GT(k, 0) << what << ": allocates nothing, so nothing was checked";
            break;
        }
    }
    widefp_set_fatal_handler(previous);
}

TEST(MemoryFailure, GoesThroughTheFatalRoute) {
    const uint64_t p = 3;
    th::Words r(p + 1), x = th::from_double(0.1, p);
    fail_each_allocation("etowr_n", [&] { widefp_float_etowr_n("(1+#pi)*2.5e3/7", r.data(), p, nullptr); });
    fail_each_allocation("etowr", [&] { widefp_float_etowr("(1+#pi)*2.5e3/7", r.data(), p); });
    fail_each_allocation("ctowr", [&] { widefp_float_ctowr("nope", r.data(), p); }, "widefp:constant");
    th::Words digits(p + 2);
    int64_t e = 0;
    fail_each_allocation("convert_pow", [&] { widefp_convert_pow(x.data(), &e, digits.data(), p); });
    const uint64_t control = (p + 2) | (uint64_t{30} << 16);
    char out[80];
    fail_each_allocation("scientific_format_n",
                         [&] { widefp_scientific_format_n(control, digits.data(), e, out, sizeof out); });
    fail_each_allocation("fixed_format_n", [&] { widefp_fixed_format_n(control, digits.data(), e, out, sizeof out); });
}

}  // namespace
