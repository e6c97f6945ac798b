#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/quantity.h"
#include "frontend.h"

namespace {
enum class Start { NONE, COMMAND, NUMBER };

// What a word that begins with each character is.
constexpr std::array<Start, 256> STARTS = [] {
    std::array<Start, 256> starts{};
    for (int c = 0; c < 256; ++c)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            starts[c] = Start::COMMAND;
        else if ((c >= '0' && c <= '9') || c == '.')
            starts[c] = Start::NUMBER;
    for (char c : std::string_view("~@+-*/^!()$")) starts[static_cast<unsigned char>(c)] = Start::COMMAND;
    return starts;
}();

// Whether a character ends a word.
constexpr std::array<bool, 256> ENDS = [] {
    std::array<bool, 256> ends{};
    ends[0] = ends[' '] = true;
    return ends;
}();

constexpr int TOKEN_MAX = 49;

constexpr double POWERS[] = {1, 10, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// What atof gives for text: the value of its longest leading part that reads as
// a number, 0 when there is none.  from_chars reads the decimal forms; hex
// numbers and values beyond the range of double go to strtod.
double numberof(const char* text, int length) {
    // Most numbers are a few digits with a point: digits / 10^places is then
    // exact in both parts, so the one rounding of the division is the correct
    // one.
    std::uint64_t digits = 0;
    int k = 0, places = -1;
    for (; k < length && k < 16; ++k) {
        char c = text[k];
        if (c >= '0' && c <= '9')
            digits = digits * 10 + static_cast<unsigned>(c - '0');
        else if (c == '.' && places < 0)
            places = k;
        else
            break;
    }
    bool plain = k == length && (k > 1 || places < 0) && k < 16;
    if (plain) return places < 0 ? static_cast<double>(digits) : static_cast<double>(digits) / POWERS[k - 1 - places];
    double value = 0;
    auto [end, error] = std::from_chars(text, text + length, value);
    if (error == std::errc::result_out_of_range || (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')))
        return std::strtod(text, nullptr);
    return error == std::errc{} ? value : 0;
}

void append() {
    lm* node = new lm;
    C->next = node;
    node->prev = C;
    C = T = node;
}
}  // namespace

void tokenise(const char* work) {
    lm* head = new lm;
    S = C = head;
    const char* at = work;
    while (*at) {
        Start start = STARTS[static_cast<unsigned char>(*at)];
        if (start == Start::NONE) {
            ++at;
            continue;
        }
        append();
        // A word of more than 49 characters loses its 50th; the 51st starts a new word.
        int length = 0;
        do {
            C->text[length++] = *at++;
        } while (!ENDS[static_cast<unsigned char>(*at)] && length < TOKEN_MAX + 1);
        C->text[length] = 0;
        C->text[TOKEN_MAX] = 0;
        if (start == Start::NUMBER) {
            C->radius = numberof(C->text, length < TOKEN_MAX ? length : TOKEN_MAX);
            C->kind = KIND_NUMBER;
        } else {
            C->kind = KIND_COMMAND;
        }
    }
    dropnode(head);  // S is now the first token, if any
    C = S;
    T = nullptr;
}
