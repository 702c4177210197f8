// gen_constants.cpp -- writes the library's constant table (every stored
// constant, each once at the longest length any reader takes) with MPFR.
//
// Usage: gen_constants OUTPUT.cpp
//
// Every value is computed with MPFR rounding towards zero at a precision that
// reaches beyond the last stored bit, so cutting it to the stored length gives
// the exact constant truncated (not rounded).  The output is committed as
// source; building the library needs no MPFR.
#include <gmp.h>
#include <mpfr.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "kernel/internal.h"

namespace {

constexpr long kFracWords = 1023;           // stored fraction words of every table
constexpr mpfr_prec_t kPrec = 64 * 1026;    // working precision, beyond the last stored bit
using widefp::detail::kBias;

using Compute = std::function<void(mpfr_ptr)>;

// floor(v * 2^shift) as `count` 64-bit words, most significant first (v >= 0).
std::vector<uint64_t> scaled_words(mpfr_srcptr v, long shift, size_t count) {
    mpfr_t t;
    mpfr_init2(t, mpfr_get_prec(v));
    mpfr_mul_2si(t, v, shift, MPFR_RNDZ);  // exact: a power of two
    mpz_t z;
    mpz_init(z);
    mpfr_get_z(z, t, MPFR_RNDZ);
    size_t have = 0;
    std::vector<uint64_t> tmp((mpz_sizeinbase(z, 2) + 63) / 64 + 1, 0);
    mpz_export(tmp.data(), &have, 1, sizeof(uint64_t), 0, 0, z);
    if (have > count) {
        std::fprintf(stderr, "gen_constants: value does not fit %zu words\n", count);
        std::exit(1);
    }
    std::vector<uint64_t> out(count, 0);
    for (size_t i = 0; i < have; ++i) out[count - have + i] = tmp[i];
    mpz_clear(z);
    mpfr_clear(t);
    return out;
}

// A widereal of `total` words: word 0, `frac_words` truncated fraction words,
// then zero words.
std::vector<uint64_t> widereal_table(const Compute &f, size_t total, long frac_words = kFracWords) {
    mpfr_t v;
    mpfr_init2(v, std::max<mpfr_prec_t>(kPrec, 64 * (frac_words + 3)));
    f(v);
    long e = static_cast<long>(mpfr_get_exp(v)) - 1;  // v = 2^e * 1.f
    mpfr_mul_2si(v, v, -e, MPFR_RNDZ);                // exact
    mpfr_sub_ui(v, v, 1, MPFR_RNDZ);                  // exact: the fraction
    std::vector<uint64_t> out(total, 0);
    out[0] = static_cast<uint64_t>(static_cast<int64_t>(kBias) + e);
    std::vector<uint64_t> frac = scaled_words(v, 64 * frac_words, frac_words);
    for (long i = 0; i < frac_words; ++i) out[1 + i] = frac[i];
    mpfr_clear(v);
    return out;
}

// A fixed-point array of 1,025 words: the integer word, kFracWords truncated
// fraction words and one zero word.
std::vector<uint64_t> fixed_table(const Compute &f) {
    mpfr_t v;
    mpfr_init2(v, kPrec);
    f(v);
    std::vector<uint64_t> out = scaled_words(v, 64 * kFracWords, kFracWords + 1);
    out.push_back(0);
    mpfr_clear(v);
    return out;
}

// ---- the constants -------------------------------------------------------
void pi_quarter(mpfr_ptr v) { mpfr_const_pi(v, MPFR_RNDZ); mpfr_div_2ui(v, v, 2, MPFR_RNDZ); }
void napier(mpfr_ptr v) { mpfr_set_ui(v, 1, MPFR_RNDZ); mpfr_exp(v, v, MPFR_RNDZ); }
void ln10(mpfr_ptr v) { mpfr_log_ui(v, 10, MPFR_RNDZ); }
void ln2(mpfr_ptr v) { mpfr_const_log2(v, MPFR_RNDZ); }
void atan_half(mpfr_ptr v) { mpfr_set_ui_2exp(v, 1, -1, MPFR_RNDZ); mpfr_atan(v, v, MPFR_RNDZ); }
void atan_quarter(mpfr_ptr v) { mpfr_set_ui_2exp(v, 1, -2, MPFR_RNDZ); mpfr_atan(v, v, MPFR_RNDZ); }
void euler(mpfr_ptr v) { mpfr_const_euler(v, MPFR_RNDZ); }
void log2_10(mpfr_ptr v) { mpfr_set_ui(v, 10, MPFR_RNDZ); mpfr_log2(v, v, MPFR_RNDZ); }
void log10_2(mpfr_ptr v) { mpfr_set_ui(v, 2, MPFR_RNDZ); mpfr_log10(v, v, MPFR_RNDZ); }

struct Table {
    const char *name;     // C++ name inside namespace widefp::constants
    const char *comment;  // one line
    std::vector<uint64_t> words;
};

void emit(std::string &out, const Table &t) {
    char buf[64];
    out += "// ";
    out += t.comment;
    out += "\n";
    std::snprintf(buf, sizeof buf, "const uint64_t %s[%zu] = {", t.name, t.words.size());
    out += buf;
    for (size_t i = 0; i < t.words.size(); ++i) {
        out += (i % 4 == 0) ? "\n    " : " ";
        std::snprintf(buf, sizeof buf, "0x%016llxULL,", static_cast<unsigned long long>(t.words[i]));
        out += buf;
    }
    out += "\n};\n\n";
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_constants OUTPUT.cpp\n");
        return 2;
    }

    // Lengths: see constants_table.h.
    const std::vector<Table> tables = {
        {"pi_quarter", "pi/4 = 0.78539... (pi/2 and pi: the same fraction words)",
         widereal_table(pi_quarter, 3139, 3136)},
        {"ln2", "ln 2 = 0.69314...", widereal_table(ln2, 2052, 2049)},
        {"ln10", "ln 10 = 2.30258...", widereal_table(ln10, 1025, 1024)},
        {"e", "e = 2.71828...", widereal_table(napier, 1025, 1024)},
        {"euler_gamma", "Euler's constant = 0.57721...", widereal_table(euler, 1025, 1024)},
        {"atan_half", "arctan(1/2) = 0.46364...", widereal_table(atan_half, 1026, 1025)},
        {"atan_quarter", "arctan(1/4) = 0.24497...", widereal_table(atan_quarter, 1026, 1025)},
        {"log2_10_fixed", "log2(10), fixed point", fixed_table(log2_10)},
        {"log10_2_fixed", "log10(2), fixed point", fixed_table(log10_2)},
    };

    std::string out;
    out += "// constants_table.cpp -- every stored constant of the library, once; written by\n";
    out += "// widefp/elementary/gen/gen_constants.cpp (target regenerate_tables), do not edit.\n";
    out += "#include \"elementary/constants_table.h\"\n\n";
    out += "namespace widefp::constants {\n\n";
    for (const Table &t : tables) emit(out, t);
    out += "}  // namespace widefp::constants\n";

    std::FILE *f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "gen_constants: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
