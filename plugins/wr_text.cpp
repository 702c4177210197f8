// wr_text -- decimal text of widereal elements, correctly rounded, returned
// as new arrays: C = wr_text(style, mode, p, X, n) and
// [D, E, S] = wr_text("digits", mode, p, X, n).
//
// The digits come from the library (widefp_rnd_to_text and
// widefp_rnd_to_digits, widefp/rounding/text_out.cpp): exact integer
// arithmetic for binary exponents up to 2^18, a conversion with an error
// bound beyond.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "widefp_rnd.h"
#include "wr_rnd_common.h"

namespace {

using namespace wr::rnd::format;
constexpr uint64_t kMaxDigits = 100000;  // precision argument limit

enum class Style { e, f, g, galt, shortg, digits, kind };

// The text of element x from the library, in one call when it is short.
std::string text_of(const uint64_t *x, uint64_t p, int style, uint64_t n, int mode, int64_t *E) {
    char buf[160];
    auto call = [&](char *out, size_t size) {
        return style < 0 ? widefp_rnd_to_digits(out, size, E, x, p, static_cast<int64_t>(n), mode)
                         : widefp_rnd_to_text(out, size, x, p, style, static_cast<int64_t>(n), mode);
    };
    const size_t len = call(buf, sizeof buf);
    if (len < sizeof buf) return std::string(buf, len);
    std::string s(len + 1, '\0');
    call(s.data(), s.size());
    s.resize(len);
    return s;
}

// 2 for an infinity, 1 for an integer (zero included), 0 otherwise.
double kind_of(const uint64_t *x, uint64_t p) {
    const uint64_t field = x[0] & kField;
    if (field == kField) return 2;
    if (field == 0) return 1;
    if (field < kBias) return 0;
    const uint64_t e = field - kBias;  // fraction bits at or after e are below the point
    if (e >= 64 * p) return 1;
    if ((x[1 + e / 64] << (e % 64)) != 0) return 0;
    for (uint64_t j = 2 + e / 64; j <= p; ++j)
        if (x[j] != 0) return 0;
    return 1;
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_text", nrhs, prhs, 5);
    const std::string name = args.text(0, "style");
    Style style;
    if (name == "e") style = Style::e;
    else if (name == "f") style = Style::f;
    else if (name == "g") style = Style::g;
    else if (name == "#g") style = Style::galt;
    else if (name == "short") style = Style::shortg;
    else if (name == "digits") style = Style::digits;
    else if (name == "kind") style = Style::kind;
    else args.fail("widefp:type", "argument 0 (style) must be \"e\", \"f\", \"g\", \"#g\", \"short\", \"digits\" or \"kind\"");
    const uint64_t mode = args.count(1, "mode", 0, 3);
    const uint64_t p = args.precision(2, 1, 1023);
    const mxArray *a = prhs[3];
    if (!mxIsUint64(a) || mxIsComplex(a) || mxIsSparse(a))
        args.fail("widefp:type", "argument 3 (X) must be a real uint64 array of words");
    const uint64_t words = mxGetNumberOfElements(a);
    if (words % (p + 1) != 0)
        args.fail("widefp:size", "argument 3 (X) holds %llu words, not a multiple of p+1 = %llu",
                  static_cast<unsigned long long>(words), static_cast<unsigned long long>(p + 1));
    const uint64_t count = words / (p + 1);
    if (count > wr::max_count) args.fail("widefp:size", "argument 3 (X) holds more than 2^31-1 elements");
    const bool significant = style == Style::shortg || style == Style::digits;
    const uint64_t n = args.count(4, "n", significant ? 1 : 0, kMaxDigits);
    if (style != Style::digits && nlhs > 1) args.fail("widefp:nargout", "this style has one output");
    const uint64_t *X = static_cast<const uint64_t *>(mxGetData(a));
    if (style == Style::kind) {
        plhs[0] = mxCreateDoubleMatrix(1, static_cast<mwSize>(count), mxREAL);
        double *r = mxGetPr(plhs[0]);
        for (uint64_t k = 0; k < count; ++k) r[k] = kind_of(X + k * (p + 1), p);
        return;
    }

    std::vector<std::string> texts(count);
    std::vector<int64_t> exps(count, 0);
    std::vector<char> signs(count, 0);
    const int kinds[] = {WIDEFP_TEXT_SCI, WIDEFP_TEXT_FIX, WIDEFP_TEXT_GEN, WIDEFP_TEXT_GEN_ALT, WIDEFP_TEXT_SHORT, -1};
    const int lib = kinds[static_cast<int>(style)];
    const char *failure = nullptr;
    try {
        for (uint64_t k = 0; k < count; ++k) {
            const uint64_t *x = X + k * (p + 1);
            signs[k] = (x[0] & kSign) != 0;
            texts[k] = text_of(x, p, lib, n, static_cast<int>(mode), &exps[k]);
        }
    } catch (const std::bad_alloc &) {
        failure = "no memory for the decimal digits";
    }
    if (failure) wr::detail::raise("widefp:memory", failure);

    plhs[0] = mxCreateCellMatrix(1, static_cast<mwSize>(count));
    for (uint64_t k = 0; k < count; ++k) mxSetCell(plhs[0], static_cast<mwIndex>(k), mxCreateString(texts[k].c_str()));
    if (nlhs > 1) {
        plhs[1] = mxCreateNumericMatrix(1, static_cast<mwSize>(count), mxINT64_CLASS, mxREAL);
        std::copy(exps.begin(), exps.end(), static_cast<int64_t *>(mxGetData(plhs[1])));
    }
    if (nlhs > 2) {
        plhs[2] = mxCreateLogicalMatrix(1, static_cast<mwSize>(count));
        mxLogical *s = mxGetLogicals(plhs[2]);
        for (uint64_t k = 0; k < count; ++k) s[k] = signs[k] != 0;
    }
}
