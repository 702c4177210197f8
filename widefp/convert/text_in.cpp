// Expression and hexadecimal-word readers: a recursive-descent evaluator over
// numbers, #constants, @hex words, + - * /, unary signs and parentheses.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "convert/text_in.h"
#include "kernel/guard.h"
#include "kernel/heap.h"
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
bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }

// A syntax error found in strict reading, at an offset into the text.
struct ParseError {
    int status;
    size_t pos;
};

// Offset (from start) of the first fault of a number token: digits with at
// most one point and at least one digit, then optionally e or E, a sign and
// at least one digit; or -1 when the token is well formed.
ptrdiff_t number_fault(const char *start, const char *end) {
    const char *c = start;
    bool digit = false, point = false;
    for (; c < end && is_number_char(static_cast<unsigned char>(*c)); ++c) {
        if (*c == '.') {
            if (point) return c - start;
            point = true;
        } else {
            digit = true;
        }
    }
    if (!digit) return 0;
    if (c == end) return -1;
    ++c;  // the exponent letter
    if (c < end && (*c == '+' || *c == '-')) ++c;
    if (c == end || !is_digit(static_cast<unsigned char>(*c))) return c - start;
    return -1;
}

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
//
// Strict reading (widefp_float_etowr_n) reports every syntax error as a
// ParseError: a missing operand, a malformed number, a character that starts
// no token, unbalanced parentheses, an unknown constant, too deep nesting.
// Lenient reading (widefp_float_etowr) reads a missing operand or a
// character that starts no token as the value the element already holds or
// zero, and reports the other errors through widefp_fatal.
class Evaluator {
public:
    Evaluator(const char *text, uint64_t p, bool strict)
        : begin_(text), cur_(text), last_token_(text), p_(p), strict_(strict) {
        sink_ = widefp::detail::heap_words(p + 1);
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
        if (depth > kMaxNesting) {
            if (strict_) throw ParseError{WIDEFP_PARSE_TOO_DEEP, offset(cur_)};
            widefp_fatal("widefp:syntax", kNestingMessage);
        }
        int tok = token(result);
        switch (tok) {
            case '(': {
                int la = expression(result, depth + 1);
                if (la != ')') {
                    if (strict_) throw ParseError{WIDEFP_PARSE_UNBALANCED, offset(last_token_)};
                    widefp_fatal("widefp:syntax", "Too many ('s.\n");
                }
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
            default:  // ")", "*", "/" or the end: the operand is missing
                if (strict_) throw ParseError{WIDEFP_PARSE_MISSING_OPERAND, offset(last_token_)};
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
                if (strict_) {
                    if (!copy_constant(text_.c_str(), result, p_))
                        throw ParseError{WIDEFP_PARSE_UNKNOWN_CONSTANT, offset(last_token_)};
                } else {
                    widefp_float_ctowr(text_.c_str(), result, p_);
                }
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
                if (strict_) {
                    if (cur_ == start) throw ParseError{WIDEFP_PARSE_UNEXPECTED, offset(start)};
                    const ptrdiff_t fault = number_fault(start, cur_);
                    if (fault >= 0)
                        throw ParseError{WIDEFP_PARSE_BAD_NUMBER, offset(start) + static_cast<size_t>(fault)};
                }
                text_.assign(start, cur_);
                widefp_float_atowr(text_.c_str(), result, p_);
                return kTokenValue;
            }
        }
    }

    size_t stop() const { return offset(last_token_); }

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

    size_t offset(const char *c) const { return static_cast<size_t>(c - begin_); }

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
        if (!levels_[d]) levels_[d] = widefp::detail::heap_words(2 * (p_ + 1));
        uint64_t *t = levels_[d].get() + which * (p_ + 1);
        std::memset(t, 0, (p_ + 1) * sizeof(uint64_t));
        return t;
    }

    const char *begin_;
    const char *cur_;
    const char *last_token_;  // where the most recently read token starts
    uint64_t p_;
    bool strict_;
    std::vector<std::unique_ptr<uint64_t[]>> levels_;
    std::unique_ptr<uint64_t[]> sink_;  // the token read after an operand
    std::string text_;                  // text of the current number, name or literal
};

}  // namespace

int evaluate(const char *text, uint64_t *result, uint64_t p, size_t *stop) {
    WIDEFP_ASSERTD(p >= 1 && p <= 1022);
    Evaluator ev(text, p, false);
    int la = ev.expression(result, 0);
    if (stop) *stop = ev.stop();
    return la;
}

int evaluate_strict(const char *text, uint64_t *result, uint64_t p, size_t *stop) {
    WIDEFP_ASSERTD(p >= 1 && p <= 1022);
    size_t len = std::strlen(text);
    while (len > 0 && (text[len - 1] == ' ' || text[len - 1] == '\t' || text[len - 1] == '\n' ||
                       text[len - 1] == '\r'))
        --len;
    const std::string body(text, len);
    std::unique_ptr<uint64_t[]> value = widefp::detail::heap_words(p + 1);
    Evaluator ev(body.c_str(), p, true);
    size_t at = len;
    int status = WIDEFP_PARSE_OK;
    try {
        if (ev.expression(value.get(), 0) != kTokenEnd) {
            status = WIDEFP_PARSE_UNEXPECTED;
            at = ev.stop();
        }
    } catch (const ParseError &e) {
        status = e.status;
        at = e.pos;
    }
    if (stop) *stop = at;
    if (status == WIDEFP_PARSE_OK) std::memcpy(result, value.get(), (p + 1) * sizeof(uint64_t));
    return status;
}

namespace {

// A message written into `size` bytes and cut short there.
class Message {
public:
    Message(char *out, size_t size) : out_(out), size_(size) {}
    void put(char c) {
        if (used_ + 1 < size_) out_[used_] = c;
        ++used_;
    }
    void put(const char *s) {
        while (*s) put(*s++);
    }
    void finish() { out_[used_ < size_ ? used_ : size_ - 1] = '\0'; }

private:
    char *out_;
    size_t size_;
    size_t used_ = 0;
};

// What went wrong and where, then the text around `stop` on one line (40
// characters before it, 30 from it, the unprintable ones as '?') with a
// marker under the stop position.
void write_report(const char *text, int status, size_t stop, char *out, size_t size) {
    constexpr size_t kBefore = 40, kAfter = 30, kNameShown = 200;
    const size_t len = std::strlen(text);
    Message m(out, size);
    m.put(widefp_parse_message(status));
    if (status == WIDEFP_PARSE_UNKNOWN_CONSTANT) {
        size_t end = stop + 1;
        while (end < len && is_name_char(static_cast<unsigned char>(text[end]))) ++end;
        m.put(": ");
        for (size_t i = stop; i < std::min(end, stop + kNameShown); ++i) m.put(text[i]);
    }
    char at[64];
    std::snprintf(at, sizeof at, " at character %zu, reading stopped here:\n  ", stop + 1);
    m.put(at);
    const size_t from = stop > kBefore ? stop - kBefore : 0;
    const size_t to = std::min(len, stop + kAfter);
    size_t marker = stop - from;
    if (from > 0) {
        m.put("...");
        marker += 3;
    }
    for (size_t i = from; i < to; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        m.put((c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?');
    }
    if (to < len) m.put("...");
    m.put("\n  ");
    for (size_t i = 0; i < marker; ++i) m.put(' ');
    m.put('^');
    m.finish();
}

}  // namespace

}  // namespace widefp::convert

extern "C" int widefp_float_etowr(const char *text, uint64_t *result, uint64_t p) {
    return widefp::detail::guard("reading an expression",
                                 [&] { return widefp::convert::evaluate(text, result, p, nullptr); });
}

extern "C" int widefp_float_etowr_n(const char *text, uint64_t *result, uint64_t p, size_t *stop) {
    return widefp::detail::guard("reading an expression",
                                 [&] { return widefp::convert::evaluate_strict(text, result, p, stop); });
}

extern "C" int widefp_float_etowr_report(const char *text, uint64_t *result, uint64_t p, char *message,
                                         size_t size) {
    size_t stop = 0;
    const int status = widefp_float_etowr_n(text, result, p, &stop);
    if (status != WIDEFP_PARSE_OK && size > 0) widefp::convert::write_report(text, status, stop, message, size);
    return status;
}

extern "C" const char *widefp_parse_message(int status) {
    switch (status) {
        case WIDEFP_PARSE_OK: return "no error";
        case WIDEFP_PARSE_MISSING_OPERAND: return "an operand is missing";
        case WIDEFP_PARSE_BAD_NUMBER: return "malformed number";
        case WIDEFP_PARSE_UNEXPECTED: return "unexpected text";
        case WIDEFP_PARSE_UNBALANCED: return "Too many ('s.";
        case WIDEFP_PARSE_UNKNOWN_CONSTANT: return "Unkown constant";
        case WIDEFP_PARSE_TOO_DEEP: return "Expression nested too deeply: more than 256 levels of parentheses and signs.";
        default: return "unknown status";
    }
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
