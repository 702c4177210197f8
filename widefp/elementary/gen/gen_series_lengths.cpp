// gen_series_lengths.cpp -- writes the stored series-length tables from the rule in series_rule.h.
//
// Usage: gen_series_lengths OUTPUT.cpp
#include <cstdio>
#include <string>

#include "elementary/series_rule.h"

namespace {

using Rule = int64_t (*)(uint64_t, int64_t);

void emit(std::string &out, const char *name, Rule rule) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "const int64_t %s[kRows][kCols] = {\n", name);
    out += buf;
    for (int row = 0; row < widefp::series::kRows; ++row) {
        std::snprintf(buf, sizeof buf, "    {  // p = %d\n       ", row + 1);
        out += buf;
        for (int col = 0; col < widefp::series::kCols; ++col) {
            std::snprintf(buf, sizeof buf, " %lld,",
                          static_cast<long long>(rule(static_cast<uint64_t>(row + 1), -1 - col)));
            out += buf;
            if (col == 15) out += "\n       ";
        }
        out += "\n    },\n";
    }
    out += "};\n\n";
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_series_lengths OUTPUT.cpp\n");
        return 2;
    }
    namespace s = widefp::series;
    std::string out;
    out += "// series_tables.cpp -- stored series lengths, rows p = 1..160, columns e = -1..-32;\n";
    out += "// written by widefp/elementary/gen/gen_series_lengths.cpp (target regenerate_tables), do not edit.\n";
    out += "#include \"elementary/series_rule.h\"\n\n";
    out += "namespace widefp::series {\n\n";
    emit(out, "sin_table", s::sin_terms);
    emit(out, "cos_table", s::cos_terms);
    emit(out, "exp_table", s::exp_terms);
    emit(out, "log_table", s::log_terms);
    emit(out, "atan_table", s::atan_terms);
    out += "}  // namespace widefp::series\n";
    std::FILE *f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "gen_series_lengths: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
