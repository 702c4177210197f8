/* A C program using widefp through its installed headers only: a 2x2 linear
 * solve and the singular values of a 2x2 matrix, each checked. */
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <widefp.h>
#include <widefp_linalg.h>

#define P 4
#define W (P + 1) /* words per element */

static int near(double got, double want) { return fabs(got - want) <= 1e-15 * fabs(want); }

int main(void) {
    /* [4 1 | 1; 2 3 | 2]: x = (0.1, 0.6) */
    const double m[6] = {4, 1, 1, 2, 3, 2};
    uint64_t M[6 * W];
    for (int i = 0; i < 6; ++i) widefp_float_dtowr(M + i * W, m[i], P);
    uint64_t *work = malloc(widefp_matrix_solve_work_size(P) * sizeof(uint64_t));
    widefp_matrix_solve(M, 2, 1, P, work);
    const double x0 = widefp_float_wrtod(M + 2 * W), x1 = widefp_float_wrtod(M + 5 * W);
    free(work);

    /* [3 0; 4 5]: singular values 3 sqrt(5) and sqrt(5) */
    const double a[4] = {3, 0, 4, 5};
    uint64_t A[4 * W], s[2 * W];
    for (int i = 0; i < 4; ++i) widefp_float_dtowr(A + i * W, a[i], P);
    work = malloc(widefp_matrix_svd_work_size(2, 2, P) * sizeof(uint64_t));
    const int stalled = widefp_matrix_svd(s, NULL, NULL, NULL, A, 2, 2, 0, 0, widefp_matrix_svd_sweep_bound(P), P, work);
    const double s0 = widefp_float_wrtod(s), s1 = widefp_float_wrtod(s + W);
    free(work);

    const int ok = near(x0, 0.1) && near(x1, 0.6) && !stalled && near(s0, 3 * sqrt(5.0)) && near(s1, sqrt(5.0));
    printf("solve: x = (%.17g, %.17g); svd: s = (%.17g, %.17g): %s\n", x0, x1, s0, s1, ok ? "ok" : "WRONG");
    return !ok;
}
