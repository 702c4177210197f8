// householder.cpp -- Householder reflection steps, truncating throughout.
#include "householder.h"

namespace widefp::linalg {

void house_norm(uint64_t *norm, Vec x, uint64_t len, uint64_t p, uint64_t *acc, uint64_t *t, uint64_t *sqrt_work) {
    set_zero(acc, p);
    for (uint64_t i = 0; i < len; ++i) {
        widefp_float_mul(t, x[i], x[i], p);
        widefp_float_add(acc, acc, t, p);
    }
    widefp_float_sqrt(norm, acc, p, sqrt_work);
}

void house_vector(Vec x, uint64_t len, uint64_t *norm, bool minus_zero_negative, uint64_t p, uint64_t *one) {
    if (is_zero(norm)) return;
    if (minus_zero_negative ? (x[0][0] & kSignBit) != 0 : negative_nonzero(x[0])) negate(norm);
    for (uint64_t i = 0; i < len; ++i) widefp_float_div(x[i], x[i], norm, p);
    set_one(one, p);
    widefp_float_add(x[0], x[0], one, p);
}

void house_apply(Vec v, Vec y, uint64_t len, uint64_t p, uint64_t *s, uint64_t *t) {
    set_zero(s, p);
    for (uint64_t i = 0; i < len; ++i) {
        widefp_float_mul(t, v[i], y[i], p);
        widefp_float_add(s, s, t, p);
    }
    widefp_float_div(s, s, v[0], p);
    negate(s);
    for (uint64_t i = 0; i < len; ++i) {
        widefp_float_mul(t, s, v[i], p);
        widefp_float_add(y[i], y[i], t, p);
    }
}

}  // namespace widefp::linalg
