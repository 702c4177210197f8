// Fortran-callable aliases of the kernel entry points, defined from the list
// in widefp.h (WIDEFP_FORTRAN_ALIASES), the same list that declares them.
//
// Each alias form forwards to its entry point: the _f77_ form reads its scalar
// arguments through their addresses, the _f90_ form also reads each element
// address through a pointer.  The double-underscore spelling is a symbol
// alias of the same code (not a second function).
#include "widefp.h"

#define WIDEFP_STR2(x) #x
#define WIDEFP_STR(x) WIDEFP_STR2(x)

// Defines name<suffix>_ forwarding to name, and name<suffix>__ as its alias.
#define WIDEFP_DEFINE_ALIAS_FORM(name, suffix, ret, params, args) \
    extern "C" ret name##suffix##_ params { return name args; }   \
    extern "C" ret name##suffix##__ params __attribute__((alias(WIDEFP_STR(name##suffix##_))));
#define WIDEFP_DEFINE_ALIASES(kind, name) WIDEFP_ALIAS_FORMS_##kind(WIDEFP_DEFINE_ALIAS_FORM, name)

WIDEFP_FORTRAN_ALIASES(WIDEFP_DEFINE_ALIASES)
