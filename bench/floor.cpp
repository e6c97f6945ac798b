// The floor of the whole-process workloads: the least a calculator of these
// lines must do.  It reads standard input in blocks, parses each line (numbers,
// the names of a unit-macro file, + - * / ^, brackets, a sign), looks names up
// in a hash, and writes the value and its exponents with to_chars, as
// phycalc's exact form does.  No complex numbers, no functions, no messages:
// phycalc's cost is read against this.
// Usage: phycalc_floor [UNIT-MACRO-FILE] < lines
#include <unistd.h>

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {
struct Q {
    double v = 0;
    std::array<double, 6> d{};  // m kg s K C mol
};

std::unordered_map<std::string, Q> units;

// "#km=_c(_1000_$m_1_c)_": the value, then each operator with its exponent.
void readunits(const char* path) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    std::string text = all.str();
    for (std::size_t at = text.find('#'); at != std::string::npos; at = text.find('#', at + 1)) {
        std::size_t eq = text.find('=', at), end = text.find('\n', at);
        if (eq == std::string::npos || eq > end) continue;
        std::string body = text.substr(eq + 1, end - eq - 1);
        Q q;
        std::size_t p = body.find("_c(_");
        if (p == std::string::npos) continue;
        p += 4;
        auto r = std::from_chars(body.data() + p, body.data() + body.size(), q.v);
        p = r.ptr - body.data();
        while ((p = body.find("_$", p)) != std::string::npos) {
            int slot = std::string_view("mksdcn").find(body[p + 2]);
            p += 4;
            double sign = body.compare(p, 3, "c-_") == 0 ? (p += 3, -1.0) : 1.0;
            double e;
            r = std::from_chars(body.data() + p, body.data() + body.size(), e);
            p = r.ptr - body.data();
            if (slot >= 0) q.d[slot] = sign * e;
        }
        units[text.substr(at + 1, eq - at - 1)] = q;
    }
}

struct Parser {
    const char* p;
    const char* end;

    void blanks() {
        while (p < end && *p == ' ') ++p;
    }
    Q primary() {
        blanks();
        Q q;
        if (p < end && *p == '(') {
            ++p;
            q = sum();
            blanks();
            if (p < end && *p == ')') ++p;
        } else if (p < end && *p == '-') {
            ++p;
            q = primary();
            q.v = -q.v;
        } else if (p < end && (std::isalpha(static_cast<unsigned char>(*p)))) {
            const char* start = p;
            while (p < end && std::isalnum(static_cast<unsigned char>(*p))) ++p;
            auto at = units.find(std::string(start, p));
            if (at != units.end()) q = at->second;
        } else {
            auto r = std::from_chars(p, end, q.v);
            p = r.ptr == p ? p + 1 : r.ptr;
        }
        return q;
    }
    Q power() {
        Q q = primary();
        blanks();
        if (p < end && *p == '^') {
            ++p;
            Q e = power();
            q.v = std::pow(q.v, e.v);
            for (double& x : q.d) x *= e.v;
        }
        return q;
    }
    Q product() {
        Q q = power();
        for (blanks(); p < end && (*p == '*' || *p == '/'); blanks()) {
            bool times = *p++ == '*';
            Q r = power();
            q.v = times ? q.v * r.v : q.v / r.v;
            for (int k = 0; k < 6; ++k) q.d[k] += times ? r.d[k] : -r.d[k];
        }
        return q;
    }
    Q sum() {
        Q q = product();
        for (blanks(); p < end && (*p == '+' || *p == '-'); blanks()) {
            bool plus = *p++ == '+';
            Q r = product();
            q.v = plus ? q.v + r.v : q.v - r.v;
        }
        return q;
    }
};

char out[1 << 16];
std::size_t used = 0;

void put(std::string_view s) {
    if (used + s.size() > sizeof out) {
        fwrite(out, 1, used, stdout);
        used = 0;
    }
    std::copy(s.begin(), s.end(), out + used);
    used += s.size();
}

void putnumber(double v) {
    char text[64];
    auto r = std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, 12);
    put(std::string_view(text, r.ptr - text));
}

void evaluate(const char* line, const char* end) {
    static const char* const NAMES[] = {"m", "kg", "s", "K", "C", "mol"};
    static const int ORDER[] = {0, 1, 2, 3, 4, 5};
    Parser parser{line, end};
    Q q = parser.sum();
    putnumber(q.v);
    for (int k : ORDER)
        if (q.d[k] != 0) {
            put(k == 0 ? "  {" : " {");
            put(NAMES[k]);
            put("^(");
            putnumber(q.d[k]);
            put(")}");
        }
    put(" \n");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) readunits(argv[1]);
    static char block[1 << 16];
    std::string partial;
    for (ssize_t got; (got = read(0, block, sizeof block)) > 0;) {
        const char* p = block;
        const char* end = block + got;
        for (const char* nl; (nl = static_cast<const char*>(std::memchr(p, '\n', end - p))); p = nl + 1) {
            if (!partial.empty()) {
                partial.append(p, nl);
                evaluate(partial.data(), partial.data() + partial.size());
                partial.clear();
            } else {
                evaluate(p, nl);
            }
        }
        partial.append(p, end);
    }
    if (!partial.empty()) evaluate(partial.data(), partial.data() + partial.size());
    fwrite(out, 1, used, stdout);
}
