// Expression and hexadecimal-word readers: a recursive-descent evaluator over
// numbers, #constants, @hex words, + - * /, unary signs and parentheses.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "convert/text_in.h"
#include "kernel/internal.h"
#include "widefp.h"

namespace widefp::convert {

const char kNestingMessage[] =
    "Expression nested too deeply: more than 256 levels of parentheses and signs.\n";
static_assert(kMaxNesting == 256, "kNestingMessage states the limit");

namespace {

bool is_name_char(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
bool is_hex_char(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':';
}
bool is_number_char(unsigned char c) { return (c >= '0' && c <= '9') || c == '.'; }

// One evaluation.  The cursor only moves forward.
//
// Memory: the recursion keeps nothing large in its stack frames, so deep
// nesting costs a few hundred bytes of stack per level.  The temporaries of
// expression and term (p+1 words each) live in one heap block per nesting
// level, allocated when a level is first reached and zeroed each time a
// function takes its temporary, so a missing operand (‹2*›) reads zeros and
// never uninitialised memory.  The token text goes into one heap string
// sized to the token, so no number, name or literal can overflow it.  All of
// it is owned by RAII objects and released if the fatal handler throws.
class Evaluator {
public:
    Evaluator(const char *text, uint64_t p) : begin_(text), cur_(text), last_token_(text), p_(p) {
        sink_.reset(new uint64_t[p + 1]());
    }

    // term, then + or - terms, left to right.
    int expression(uint64_t *result, int depth) {
        int la = term(result, depth);
        uint64_t *tmp = temporary(depth, 0);
        while (la == '+' || la == '-') {
            int op = la;
            la = term(tmp, depth);
            if (op == '+')
                widefp_float_add(result, result, tmp, p_);
            else
                widefp_float_sub(result, result, tmp, p_);
        }
        return la;
    }

    // unary, then * or / unaries, left to right.
    int term(uint64_t *result, int depth) {
        int la = unary(result, depth);
        uint64_t *tmp = temporary(depth, 1);
        while (la == '*' || la == '/') {
            int op = la;
            la = unary(tmp, depth);
            if (op == '*')
                multiply(result, tmp);
            else
                widefp_float_div(result, result, tmp, p_);
        }
        return la;
    }

    // A parenthesised expression, a signed unary or a value.
    int unary(uint64_t *result, int depth) {
        if (depth > kMaxNesting) widefp_fatal("widefp:syntax", kNestingMessage);
        int tok = token(result);
        switch (tok) {
            case '(': {
                int la = expression(result, depth + 1);
                if (la != ')') widefp_fatal("widefp:syntax", "Too many ('s.\n");
                return token(sink_.get());
            }
            case '+':
                return unary(result, depth + 1);
            case '-': {
                int la = unary(result, depth + 1);
                result[0] ^= detail::kSign;
                return la;
            }
            case kTokenValue:
                return token(sink_.get());
            default:
                return tok;
        }
    }

    // Reads one token; a value is written into result.
    int token(uint64_t *result) {
        last_token_ = cur_;
        const unsigned char c = static_cast<unsigned char>(*cur_);
        switch (c) {
            case '(':
            case ')':
            case '*':
            case '+':
            case '-':
            case '/':
                ++cur_;
                return c;
            case '\0':
                return kTokenEnd;
            case '#':
                ++cur_;
                collect(is_name_char);
                widefp_float_ctowr(text_.c_str(), result, p_);
                return kTokenValue;
            case '@':
                ++cur_;
                collect(is_hex_char);
                widefp_float_htowr(text_.c_str(), result, p_);
                return kTokenValue;
            default: {
                const char *start = cur_;
                while (is_number_char(static_cast<unsigned char>(*cur_))) ++cur_;
                if (*cur_ == 'e' || *cur_ == 'E') {
                    ++cur_;
                    if (*cur_ == '+' || *cur_ == '-') ++cur_;
                    while (*cur_ >= '0' && *cur_ <= '9') ++cur_;
                }
                text_.assign(start, cur_);
                widefp_float_atowr(text_.c_str(), result, p_);
                return kTokenValue;
            }
        }
    }

    size_t stop() const { return static_cast<size_t>(last_token_ - begin_); }

private:
    // result = result * t, truncated.  The product kernels need p >= 2: at
    // p = 1 the product is formed at p = 2 from operands with a zero second
    // word (exact: 130 bits at most) and cut back to one word, which is the
    // same truncation.
    void multiply(uint64_t *result, const uint64_t *t) {
        if (p_ >= 2) {
            widefp_float_mul(result, result, t, p_);
            return;
        }
        // c is cleared: a zero or infinite operand writes word 0 only.
        uint64_t a[3] = {result[0], result[1], 0}, b[3] = {t[0], t[1], 0}, c[3] = {0, 0, 0};
        widefp_float_mul(c, a, b, 2);
        result[0] = c[0];
        result[1] = c[1];
    }

    template <class Pred>
    void collect(Pred pred) {
        const char *start = cur_;
        while (pred(static_cast<unsigned char>(*cur_))) ++cur_;
        text_.assign(start, cur_);
    }

    // Temporary `which` (0: expression, 1: term) of nesting level depth, zeroed.
    uint64_t *temporary(int depth, int which) {
        const size_t d = static_cast<size_t>(depth);
        if (levels_.size() <= d) levels_.resize(d + 1);
        if (!levels_[d]) levels_[d].reset(new uint64_t[2 * (p_ + 1)]);
        uint64_t *t = levels_[d].get() + which * (p_ + 1);
        std::memset(t, 0, (p_ + 1) * sizeof(uint64_t));
        return t;
    }

    const char *begin_;
    const char *cur_;
    const char *last_token_;  // where the most recently read token starts
    uint64_t p_;
    std::vector<std::unique_ptr<uint64_t[]>> levels_;
    std::unique_ptr<uint64_t[]> sink_;  // the token read after an operand
    std::string text_;                  // text of the current number, name or literal
};

}  // namespace

int evaluate(const char *text, uint64_t *result, uint64_t p, size_t *stop) {
    WIDEFP_ASSERTD(p >= 1 && p <= 1022);
    Evaluator ev(text, p);
    int la = ev.expression(result, 0);
    if (stop) *stop = ev.stop();
    return la;
}

}  // namespace widefp::convert

extern "C" int widefp_float_etowr(const char *text, uint64_t *result, uint64_t p) {
    return widefp::convert::evaluate(text, result, p, nullptr);
}

extern "C" void widefp_float_htowr(const char *text, uint64_t *result, uint64_t p) {
    if (static_cast<int64_t>(p) < 0) return;
    const unsigned char *s = reinterpret_cast<const unsigned char *>(text);
    uint64_t k = 0;
    while (k <= p && *s) {
        uint64_t value = 0;
        for (; *s && *s != ':'; ++s) {
            unsigned c = *s, digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else {
                char msg[64];
                std::snprintf(msg, sizeof msg, "Unexpected character: %c\n", static_cast<char>(c));
                widefp_fatal("widefp:syntax", msg);
            }
            value = (value << 4) | digit;
        }
        result[k++] = value;
        if (*s == ':') ++s;
    }
    for (; k <= p; ++k) result[k] = 0;
}
