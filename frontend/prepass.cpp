#include <array>
#include <cctype>
#include <cstring>
#include <string_view>

#include "frontend.h"

// A sign right after the 'e' of a number (1e+5, .5e-2) belongs to the number;
// after the constant e or a name ending in e it is an operator.
static bool exponentsign(char prev, char prevprev) {
    return prev == 'e' && (std::isdigit(static_cast<unsigned char>(prevprev)) || prevprev == '.');
}

const char* spell(char c, char prev, char prevprev, bool underscoreblank) {
    switch (c) {
        case '+': return exponentsign(prev, prevprev) ? "+" : " c+ ";
        case '-': return exponentsign(prev, prevprev) ? "-" : " c- ";
        case '(': return " c( ";
        case ')': return " c) ";
        case '{': return " c{ ";
        case '}': return " c} ";
        case '*': return " c* ";
        case '=': return " c=";  // the variable letter follows directly
        case '%': return " c%";
        case '/': return " c/ ";
        case '^': return " c^ ";
        case '!': return " c! ";
        case '_': return underscoreblank ? " " : nullptr;
        default: return nullptr;
    }
}

namespace {
// Characters that stand for themselves: most of any text.
constexpr std::array<bool, 256> PLAIN = [] {
    std::array<bool, 256> plain{};
    plain.fill(true);
    plain[0] = false;
    for (char c : std::string_view("+-(){}*=%/^!_\n\r")) plain[static_cast<unsigned char>(c)] = false;
    return plain;
}();

// Appends to the working text.  The pre-pass stops as soon as the text is
// longer than WORK_MAX characters, and one character of input writes at most
// four, so what it writes fits the buffer; end() cuts it to WORK_MAX.
struct Writer {
    char* work;
    int length = 0;
    void put(char c) { work[length++] = c; }
    void put(const char* s) {
        while (*s) put(*s++);
    }
    void end() { work[length < WORK_MAX ? length : WORK_MAX] = 0; }
};
static_assert(WORK_MAX + 4 + 5 < WORK_SIZE, "the longest spelling and the blanks at the end fit the buffer");
}  // namespace

void prepass(const char* expr, char* work) {
    Writer out{work};
    char prev = 0, prevprev = 0;
    for (const char* p = expr;; ++p) {
        char c = *p;
        if (PLAIN[static_cast<unsigned char>(c)]) {
            out.put(c);
        } else {
            if (c == '\n' && out.length <= 1) c = ' ';
            if (c == 0 || c == '\n' || c == '\r') break;
            const char* spelled = spell(c, prev, prevprev, false);
            if (spelled)
                out.put(spelled);
            else
                out.put(c);
        }
        prevprev = prev;
        prev = c;
        if (out.length > WORK_MAX) break;  // nothing more survives the cut
    }
    out.put("     ");
    out.end();
}
