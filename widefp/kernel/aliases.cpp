// Fortran-callable aliases of the kernel entry points, generated from one table.
//
// Each entry point below gets its aliases from one line.  The _f77_ form reads
// its scalar arguments through their addresses; the _f90_ form also reads each
// element address through a pointer.  The double-underscore spelling is an
// alias of the same code (not a second function).
#include "widefp.h"

#define WIDEFP_STR2(x) #x
#define WIDEFP_STR(x) WIDEFP_STR2(x)

// Defines name<suffix>_ with the given body and name<suffix>__ as a symbol alias of it.
#define WIDEFP_DEF_ALIAS2(ret, name, suffix, params, body)                     \
    extern "C" ret name##suffix##_ params { body; }                            \
    extern "C" ret name##suffix##__ params                                      \
        __attribute__((alias(WIDEFP_STR(name##suffix##_))));

#define WIDEFP_ALIASES_FLOAT_BINARY(name)                                                    \
    WIDEFP_DEF_ALIAS2(uint64_t, name, _f77,                                                  \
                      (uint64_t * c, const uint64_t *a, const uint64_t *b, const uint64_t *p), \
                      return name(c, a, b, *p))                                              \
    WIDEFP_DEF_ALIAS2(uint64_t, name, _f90,                                                  \
                      (uint64_t *const *c, const uint64_t *const *a, const uint64_t *const *b, \
                       const uint64_t *p),                                                   \
                      return name(*c, *a, *b, *p))

#define WIDEFP_ALIASES_ARRAY_BINARY(name)                                                    \
    WIDEFP_DEF_ALIAS2(uint64_t, name, _f77,                                                  \
                      (uint64_t * r, const uint64_t *a, const uint64_t *b, const uint64_t *n), \
                      return name(r, a, b, *n))

#define WIDEFP_ALIASES_ROUND(name)                                                           \
    WIDEFP_DEF_ALIAS2(void, name, _f77, (uint64_t * x, const uint64_t *g, const uint64_t *p), \
                      name(x, *g, *p))                                                       \
    WIDEFP_DEF_ALIAS2(void, name, _f90,                                                      \
                      (uint64_t *const *x, const uint64_t *g, const uint64_t *p),            \
                      name(*x, *g, *p))

#define WIDEFP_ALIASES_FLOAT_INT(name)                                                       \
    WIDEFP_DEF_ALIAS2(uint64_t, name, _f77,                                                  \
                      (uint64_t * r, const uint64_t *x, const int64_t *k, const uint64_t *p), \
                      return name(r, x, *k, *p))                                             \
    WIDEFP_DEF_ALIAS2(uint64_t, name, _f90,                                                  \
                      (uint64_t *const *r, const uint64_t *const *x, const int64_t *k,       \
                       const uint64_t *p),                                                   \
                      return name(*r, *x, *k, *p))

WIDEFP_ALIASES_FLOAT_BINARY(widefp_float_add)
WIDEFP_ALIASES_FLOAT_BINARY(widefp_float_sub)
WIDEFP_ALIASES_FLOAT_BINARY(widefp_float_mul)
WIDEFP_ALIASES_FLOAT_BINARY(widefp_float_mul_h)
WIDEFP_ALIASES_FLOAT_BINARY(widefp_float_mul_k)
WIDEFP_ALIASES_FLOAT_BINARY(widefp_float_div)
WIDEFP_ALIASES_ARRAY_BINARY(widefp_array_sub)
WIDEFP_ALIASES_ARRAY_BINARY(widefp_array_add)
WIDEFP_ALIASES_ARRAY_BINARY(widefp_array_mul)
WIDEFP_ALIASES_ARRAY_BINARY(widefp_array_mul_h)
WIDEFP_ALIASES_ARRAY_BINARY(widefp_array_mul_k)
WIDEFP_ALIASES_ROUND(widefp_float_round_near)
WIDEFP_ALIASES_ROUND(widefp_float_round_plus)
WIDEFP_ALIASES_ROUND(widefp_float_round_minus)
WIDEFP_ALIASES_ROUND(widefp_float_round_chop)
WIDEFP_ALIASES_FLOAT_INT(widefp_float_imul)
WIDEFP_ALIASES_FLOAT_INT(widefp_float_idiv)
WIDEFP_DEF_ALIAS2(int, widefp_float_lt, _f77, (const uint64_t *a, const uint64_t *b, const uint64_t *p),
                  return widefp_float_lt(a, b, *p))
WIDEFP_DEF_ALIAS2(int, widefp_float_lt, _f90,
                  (const uint64_t *const *a, const uint64_t *const *b, const uint64_t *p),
                  return widefp_float_lt(*a, *b, *p))
WIDEFP_DEF_ALIAS2(uint64_t, widefp_array_imul, _f77,
                  (uint64_t * r, const uint64_t *a, const uint64_t *m, const uint64_t *n),
                  return widefp_array_imul(r, a, *m, *n))
WIDEFP_DEF_ALIAS2(uint64_t, widefp_array_idiv, _f77,
                  (uint64_t * r, const uint64_t *a, const uint64_t *d, const uint64_t *n, uint64_t *z),
                  return widefp_array_idiv(r, a, *d, *n, z))
