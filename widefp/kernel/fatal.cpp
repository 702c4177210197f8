// The one route for the library's fatal messages.
#include "widefp.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void default_handler(const char *, const char *text) {
    std::fputs(text, stderr);
    std::fflush(stderr);
    std::exit(1);
}

std::atomic<widefp_fatal_handler> current_handler{nullptr};

}  // namespace

extern "C" widefp_fatal_handler widefp_set_fatal_handler(widefp_fatal_handler handler) {
    return current_handler.exchange(handler);
}

extern "C" void widefp_fatal(const char *identifier, const char *text) {
    widefp_fatal_handler h = current_handler.load();
    if (h) h(identifier, text);
    // A handler that returns (it should throw or longjmp) falls back to the default.
    default_handler(identifier, text);
}
