// Every Fortran-callable alias of the kernel gives what its plain entry point gives.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "harness.h"

namespace {

using th::Words;

// Runs `call` on fresh copies of the operands and result; collects the words
// of every array afterwards together with the return value.
struct Outcome {
    uint64_t ret;
    Words r, a, b, z;
    bool operator==(const Outcome &o) const { return ret == o.ret && r == o.r && a == o.a && b == o.b && z == o.z; }
};
using Call = std::function<uint64_t(uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *z)>;

class AliasRunner {
public:
    AliasRunner(const Words &r, const Words &a, const Words &b, const Words &z) : r_(r), a_(a), b_(b), z_(z) {}
    Outcome run(const Call &call) const {
        Outcome o{0, r_, a_, b_, z_};
        o.ret = call(o.r.data(), o.a.data(), o.b.data(), o.z.data());
        return o;
    }
    // The plain entry against every alias spelling given.
    void expect_same(const std::string &name, const Call &plain, std::initializer_list<std::pair<const char *, Call>> aliases) const {
        const Outcome want = run(plain);
        for (const auto &[suffix, call] : aliases) {
            ++checked;
            EXPECT_TRUE(run(call) == want) << name << suffix;
        }
    }
    static inline int checked = 0;

private:
    Words r_, a_, b_, z_;
};

TEST(Aliases, EveryAliasMatchesItsEntryPoint) {
    th::Rng rng(61);
    const uint64_t p = 5;  // precision and word count for every call
    for (int round = 0; round < 4; ++round) {
        // Elements of precision p (plus room) and word arrays of p words.
        Words x = th::random_wr(rng, p), y = th::random_wr(rng, p), res(2 * p + 8, 0x77);
        x.resize(2 * p + 8, 0);
        y.resize(2 * p + 8, 0);
        Words z(4, 0);
        const AliasRunner run(res, x, y, z);
        const uint64_t P = p;

#define FLOAT_BINARY(fn)                                                                                     \
    run.expect_same(#fn, [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn(r, a, b, P); }, \
                    {{"_f77_", [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn##_f77_(r, a, b, &P); }}, \
                     {"_f77__", [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn##_f77__(r, a, b, &P); }}, \
                     {"_f90_", [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn##_f90_(&r, &a, &b, &P); }}, \
                     {"_f90__", [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn##_f90__(&r, &a, &b, &P); }}})
#define ARRAY_BINARY(fn)                                                                                     \
    run.expect_same(#fn, [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn(r, a, b, P); }, \
                    {{"_f77_", [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn##_f77_(r, a, b, &P); }}, \
                     {"_f77__", [&](uint64_t *r, uint64_t *a, uint64_t *b, uint64_t *) { return fn##_f77__(r, a, b, &P); }}})
#define ROUND(fn, gv)                                                                                         \
    run.expect_same(#fn, [&](uint64_t *, uint64_t *a, uint64_t *, uint64_t *) { fn(a, gv, P); return uint64_t{0}; }, \
                    {{"_f77_", [&](uint64_t *, uint64_t *a, uint64_t *, uint64_t *) { const uint64_t gref = gv; fn##_f77_(a, &gref, &P); return uint64_t{0}; }}, \
                     {"_f77__", [&](uint64_t *, uint64_t *a, uint64_t *, uint64_t *) { const uint64_t gref = gv; fn##_f77__(a, &gref, &P); return uint64_t{0}; }}, \
                     {"_f90_", [&](uint64_t *, uint64_t *a, uint64_t *, uint64_t *) { const uint64_t gref = gv; fn##_f90_(&a, &gref, &P); return uint64_t{0}; }}, \
                     {"_f90__", [&](uint64_t *, uint64_t *a, uint64_t *, uint64_t *) { const uint64_t gref = gv; fn##_f90__(&a, &gref, &P); return uint64_t{0}; }}})
#define FLOAT_INT(fn, kv)                                                                                      \
    run.expect_same(#fn, [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) { return fn(r, a, kv, P); },     \
                    {{"_f77_", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) { const int64_t kref = kv; return fn##_f77_(r, a, &kref, &P); }}, \
                     {"_f77__", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) { const int64_t kref = kv; return fn##_f77__(r, a, &kref, &P); }}, \
                     {"_f90_", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) { const int64_t kref = kv; return fn##_f90_(&r, &a, &kref, &P); }}, \
                     {"_f90__", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) { const int64_t kref = kv; return fn##_f90__(&r, &a, &kref, &P); }}})

        FLOAT_BINARY(widefp_float_add);
        FLOAT_BINARY(widefp_float_sub);
        FLOAT_BINARY(widefp_float_mul);
        FLOAT_BINARY(widefp_float_mul_h);
        FLOAT_BINARY(widefp_float_mul_k);
        FLOAT_BINARY(widefp_float_div);
        ARRAY_BINARY(widefp_array_add);
        ARRAY_BINARY(widefp_array_sub);
        ARRAY_BINARY(widefp_array_mul);
        ARRAY_BINARY(widefp_array_mul_h);
        ARRAY_BINARY(widefp_array_mul_k);
        const uint64_t guard = round == 0 ? 0x8000000000000000ULL : round == 1 ? ~uint64_t{0} : rng.word();
        ROUND(widefp_float_round_near, guard);
        ROUND(widefp_float_round_plus, guard);
        ROUND(widefp_float_round_minus, guard);
        ROUND(widefp_float_round_chop, guard);
        const int64_t k = round == 0 ? -3 : static_cast<int64_t>(rng.word() >> 1) * (round & 1 ? -1 : 1);
        FLOAT_INT(widefp_float_imul, k);
        FLOAT_INT(widefp_float_idiv, k);

        run.expect_same("widefp_float_lt",
                        [&](uint64_t *, uint64_t *a, uint64_t *b, uint64_t *) {
                            return static_cast<uint64_t>(widefp_float_lt(a, b, P));
                        },
                        {{"_f77_", [&](uint64_t *, uint64_t *a, uint64_t *b, uint64_t *) {
                              return static_cast<uint64_t>(widefp_float_lt_f77_(a, b, &P));
                          }},
                         {"_f77__", [&](uint64_t *, uint64_t *a, uint64_t *b, uint64_t *) {
                              return static_cast<uint64_t>(widefp_float_lt_f77__(a, b, &P));
                          }},
                         {"_f90_", [&](uint64_t *, uint64_t *a, uint64_t *b, uint64_t *) {
                              const uint64_t *ca = a, *cb = b;
                              return static_cast<uint64_t>(widefp_float_lt_f90_(&ca, &cb, &P));
                          }},
                         {"_f90__", [&](uint64_t *, uint64_t *a, uint64_t *b, uint64_t *) {
                              const uint64_t *ca = a, *cb = b;
                              return static_cast<uint64_t>(widefp_float_lt_f90__(&ca, &cb, &P));
                          }}});

        const uint64_t m = rng.word();
        run.expect_same("widefp_array_imul",
                        [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) { return widefp_array_imul(r, a, m, P); },
                        {{"_f77_", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) {
                              return widefp_array_imul_f77_(r, a, &m, &P);
                          }},
                         {"_f77__", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *) {
                              return widefp_array_imul_f77__(r, a, &m, &P);
                          }}});
        const uint64_t d = rng.word() | 1;
        run.expect_same("widefp_array_idiv",
                        [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *z) { return widefp_array_idiv(r, a, d, P, z); },
                        {{"_f77_", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *z) {
                              return widefp_array_idiv_f77_(r, a, &d, &P, z);
                          }},
                         {"_f77__", [&](uint64_t *r, uint64_t *a, uint64_t *, uint64_t *z) {
                              return widefp_array_idiv_f77__(r, a, &d, &P, z);
                          }}});
#undef FLOAT_BINARY
#undef ARRAY_BINARY
#undef ROUND
#undef FLOAT_INT
    }
    // 6 float binaries and 4 roundings and 2 float-integer operations and the
    // comparison with four spellings each; 5 array binaries and 2 array-integer
    // operations with two.
    EXPECT_EQ(AliasRunner::checked, 4 * (13 * 4 + 7 * 2));
}

}  // namespace
