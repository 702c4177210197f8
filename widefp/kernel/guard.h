// guard.h -- keeps the standard containers' allocation failures inside the
// library: an extern "C" entry point whose work uses std::vector or
// std::string runs it through guard(), so that memory that cannot be had
// goes through the fatal route ("widefp:memory") and no exception crosses
// the C frame.
#ifndef WIDEFP_KERNEL_GUARD_H
#define WIDEFP_KERNEL_GUARD_H

#include <cstdio>
#include <new>
#include <stdexcept>

#include "widefp.h"

namespace widefp::detail {

[[noreturn]] inline void fatal_no_memory(const char *what) {
    char text[128];
    std::snprintf(text, sizeof text, "widefp: out of memory %s\n", what);
    widefp_fatal("widefp:memory", text);
}

// body() with std::bad_alloc and std::length_error (a size past what a
// container can hold) turned into widefp_fatal("widefp:memory", ...) naming
// `what` ("reading an expression").  Other exceptions, such as one thrown by
// a fatal handler, pass unchanged.
template <class F>
decltype(auto) guard(const char *what, F &&body) {
    try {
        return body();
    } catch (const std::bad_alloc &) {
        fatal_no_memory(what);
    } catch (const std::length_error &) {
        fatal_no_memory(what);
    }
}

}  // namespace widefp::detail

#endif  // WIDEFP_KERNEL_GUARD_H
