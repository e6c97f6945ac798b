#include "words.h"

#include <cctype>
#include <cstring>

#include "core/strings.h"
#include "engine.h"
#include "funcs/funcs.h"
#include "ops/ops.h"

namespace {
void endprogram() { onendkeyword(); }

using K = WordKind;
using M = Match;

// The order counts twice.  The dispatch runs the first word that a text is a
// start of ("c" runs "c+", "s" runs "sqrt", "e" is the constant, "ex" runs
// "exp"); the priority pass takes the first word that knows the text by its
// match, so the brackets and signs come before the words known by their first
// character ("$+" is a sign), and those before the other symbols ("$*" is a
// unit operator).
constexpr Word WORDS[] = {
    // spelling, routine, kind, match, priority, function point, what help says of it
    {"c(", nullptr, K::OPEN, M::SYMBOL, 0, false, "( ): brackets group what runs first"},
    {"c)", nullptr, K::CLOSE, M::SYMBOL, 0, false, "( ): brackets group what runs first"},
    {"c{", nullptr, K::OPEN, M::SYMBOL, 0, false,
     "x{$m 1 $s -1}: braces give the value before them the dimensions inside"},
    {"c}", nullptr, K::CLOSE, M::SYMBOL, 0, false,
     "x{$m 1 $s -1}: braces give the value before them the dimensions inside"},
    {"plus", ops::add, K::INFIX, M::NONE, 0, false,
     "a plus b: a + b, binding as tightly as ^"},  // binds like "c^", not like "c+"
    {"c+", ops::add, K::INFIX, M::SYMBOL, -2, false, "a + b: the sum; the dimensions should agree"},
    {"c-", ops::sub, K::INFIX, M::SYMBOL, -2, false,
     "a - b: the difference; -x at the start or after an operator is a sign"},
    {"minus", ops::sub, K::INFIX, M::NONE, 0, false,
     "a minus b: a - b, binding as tightly as ^"},  // binds like "c^", not like "c-"
    {"$m", ops::UM, K::UNIT, M::FIRST, 6, false, "x{$m n}: adds n to the length exponent of x"},
    {"$k", ops::UK, K::UNIT, M::FIRST, 6, false, "x{$k n}: adds n to the mass exponent of x"},
    {"$c", ops::UC, K::UNIT, M::FIRST, 6, false, "x{$c n}: adds n to the charge exponent of x"},
    {"$s", ops::US, K::UNIT, M::FIRST, 6, false, "x{$s n}: adds n to the time exponent of x"},
    {"$d", ops::UD, K::UNIT, M::FIRST, 6, false, "x{$d n}: adds n to the temperature exponent of x"},
    {"$n", ops::Un, K::UNIT, M::FIRST, 6, false, "x{$n n}: adds n to the amount-of-substance exponent of x"},
    {"~", ops::mult, K::INFIX, M::FIRST, 5, false,
     "a ~ b: a product that binds tighter than *"},  // a product that binds tighter than "c*"
    {"func", ops::C_func, K::CALL, M::START, 18, false,
     "func(N a b ...) f: binds the N values to %0, %1 ... for the formula f"},
    {"@", ops::add, K::INFIX, M::FIRST, 4, false,
     "a @ b: a sum that binds tighter than +"},  // a sum that binds tighter than "c+"
    {"c*", ops::mult, K::INFIX, M::SYMBOL, -1, false, "a * b: the product"},
    {"c/", ops::div, K::INFIX, M::SYMBOL, -1, false, "a / b: the quotient"},
    {"c=", ops::C_varib, K::STORE, M::SYMBOL, 3, false,
     "x=v: stores x in the variable v (a letter); =v alone stores the last result"},
    {"c%", ops::C_varibp, K::RECALL, M::SYMBOL, 7, false, "%v: the value of the variable v"},
    {"c^", ops::pow, K::INFIX, M::SYMBOL, 0, false, "a ^ b: a to the power b, the principal value for a complex a"},
    {"root", ops::root, K::INFIX, M::NONE, 0, false, "n root x: the n-th root of x, the principal value"},
    {"sqrt", funcs::C_sqrt, K::PREFIX, M::NONE, 0, true, "sqrt x: the square root, the principal value"},
    {"c!", ops::Azeret, K::POSTFIX, M::SYMBOL, 0, false, "x!: the factorial, Gamma(x+1) between the whole numbers"},
    {"sin", funcs::C_sin, K::PREFIX, M::NONE, 0, true, "sin x: the sine (x in radians)"},
    {"cos", funcs::C_cos, K::PREFIX, M::NONE, 0, true, "cos x: the cosine (x in radians)"},
    {"tan", funcs::C_tan, K::PREFIX, M::NONE, 0, true, "tan x: the tangent (x in radians)"},
    {"tg", funcs::C_tan, K::PREFIX, M::NONE, 0, false,
     "tg x: the tangent, as tan"},  // the other spelling of tan takes no function point
    {"tempC", funcs::C_tempC, K::PREFIX, M::NONE, 0, true,
     "tempC(x): x degrees Celsius as an absolute temperature in kelvin; -> tempC prints on that scale"},
    {"tempF", funcs::C_tempF, K::PREFIX, M::NONE, 0, true,
     "tempF(x): x degrees Fahrenheit as an absolute temperature in kelvin; -> tempF prints on that scale"},
    {"tempR", funcs::C_tempR, K::PREFIX, M::NONE, 0, true,
     "tempR(x): x degrees Rankine as an absolute temperature in kelvin; -> tempR prints on that scale"},
    {"asin", funcs::C_asin, K::PREFIX, M::NONE, 0, true, "asin x: the arcsine, the principal value"},
    {"acos", funcs::C_acos, K::PREFIX, M::NONE, 0, true, "acos x: the arccosine, the principal value"},
    {"atan", funcs::C_atan, K::PREFIX, M::NONE, 0, true, "atan x: the arctangent, the principal value"},
    {"e", funcs::e, K::CONSTANT, M::WHOLE, 17, false,
     "e: Euler's number, 2.718281828459045"},  // a value before any operator of its level
    {"exp", funcs::C_exp, K::PREFIX, M::NONE, 0, true, "exp x: e to the power x"},
    {"ln", funcs::C_ln, K::PREFIX, M::NONE, 0, true, "ln x: the natural logarithm, the principal value"},
    {"abs", funcs::C_abs, K::PREFIX, M::NONE, 0, true, "abs x: the modulus, with the dimension of x"},
    {"Re", funcs::C_Re, K::PREFIX, M::NONE, 0, true, "Re x: the real part, with the dimension of x"},
    {"Im", funcs::C_Im, K::PREFIX, M::NONE, 0, true, "Im x: the imaginary part, with the dimension of x"},
    {"conj", funcs::C_Conj, K::PREFIX, M::NONE, 0, true, "conj x: the complex conjugate"},
    {"phase", funcs::C_phase, K::PREFIX, M::NONE, 0, true, "phase x: the angle of x, in (-pi, pi]"},
    {"lg10", funcs::C_log10, K::PREFIX, M::NONE, 0, false,
     "lg10 x: the logarithm to base 10"},  // no function point, unlike its other names
    {"log", funcs::C_log, K::PREFIX, M::NONE, 0, true, "log b x: the logarithm of x to base b"},
    // Names that run nothing ("log10" is a syntax error: it starts no word
    // above) but whose starts take the function point all the same.
    {"log10", nullptr, K::PREFIX, M::NONE, 0, true, "log10 is no word: write lg10 x, or log 10 x"},
    {"azeret", nullptr, K::POSTFIX, M::NONE, 0, true, "azeret is no word: the factorial is written x!"},
    {"dln", ops::C_dln, K::COMMAND, M::NONE, 0, false, "dln: deletes the word after it"},
    {"pi", funcs::pi, K::CONSTANT, M::WHOLE, 17, false, "pi: 3.141592653589793"},
    {"i", funcs::c_i, K::CONSTANT, M::WHOLE, 17, false, "i: the imaginary unit"},
    {"exit", endprogram, K::COMMAND, M::NONE, 0, false, "exit, quit, stop: end phycalc with status 1"},
    {"quit", endprogram, K::COMMAND, M::NONE, 0, false, "exit, quit, stop: end phycalc with status 1"},
    {"stop", endprogram, K::COMMAND, M::NONE, 0, false, "exit, quit, stop: end phycalc with status 1"},
    // Words of the line, not of the list: handled before the expression is read.
    {"->", nullptr, K::COMMAND, M::NONE, 0, false,
     "x -> unit: x in that unit; x -> ft;in in whole feet and the inches left"},
    {"help", nullptr, K::COMMAND, M::NONE, 0, false, "help: a short guide; help WORD: what a word or unit is"},
};
constexpr int WORD_COUNT = sizeof WORDS / sizeof WORDS[0];

// For each character, the rows that a text may be known by, so that a text
// costs a few lookups instead of a pass over the table: the first symbol row
// of that second character, the first row known by that first character, and
// the rows known by a start or the whole that begin with it (a chain through
// the table, in its order).  Built at compile time, as the indexes below.
struct Candidates {
    int symbol[256] = {};
    int first[256] = {};
    int initial[256] = {};
    int nextinitial[WORD_COUNT] = {};

    constexpr Candidates() {
        for (int c = 0; c < 256; ++c) symbol[c] = first[c] = initial[c] = WORD_COUNT;
        for (int k = WORD_COUNT - 1; k >= 0; --k) {
            const Word& w = WORDS[k];
            auto c = [](char ch) { return static_cast<unsigned char>(ch); };
            if (w.match == M::SYMBOL) symbol[c(w.spelling[1])] = k;
            if (w.match == M::FIRST) first[c(w.spelling[0])] = k;
            if (w.match == M::START || w.match == M::WHOLE) {
                nextinitial[k] = initial[c(w.spelling[0])];
                initial[c(w.spelling[0])] = k;
            }
        }
    }
};
constexpr Candidates CANDIDATES;

// The words that take, in the order of the table, and the table's position of
// each.
struct Taken {
    PrefixIndex<WORD_COUNT> index;
    int positions[WORD_COUNT] = {};
};

constexpr Taken indexof(bool (*take)(const Word&)) {
    Taken taken;
    for (int k = 0; k < WORD_COUNT; ++k)
        if (take(WORDS[k])) {
            taken.positions[taken.index.size()] = k;
            taken.index.add(WORDS[k].spelling);
        }
    return taken;
}

// Not constexpr: with the sanitizers g++ does not take the address of a
// routine for a constant.  Where it does, these are constants all the same.
const Taken RUNS = indexof([](const Word& w) { return w.routine != nullptr; });
const Taken POINTS = indexof([](const Word& w) { return w.functionpoint; });
}  // namespace

const Word* wordrun(const char* text) {
    // "c+", "c*" ...: a symbol the pre-pass made starts no other word.
    if (text[0] == 'c' && text[1] && !text[2])
        if (const Word* symbol = symbolword(text[1]); symbol && symbol->routine) return symbol;
    int position = RUNS.index.first(text);
    if (position >= 0) return &WORDS[RUNS.positions[position]];
    if (text[0] == 'c' && (text[1] == '=' || text[1] == '%')) return symbolword(text[1]);
    return nullptr;
}

const Word* priorityword(const char* text) {
    auto c = [](char ch) { return static_cast<unsigned char>(ch); };
    int best = CANDIDATES.first[c(text[0])];
    if (text[0] && CANDIDATES.symbol[c(text[1])] < best) best = CANDIDATES.symbol[c(text[1])];
    for (int k = CANDIDATES.initial[c(text[0])]; k < best; k = CANDIDATES.nextinitial[k]) {
        const Word& w = WORDS[k];
        if (w.match == M::START ? comps(text, w.spelling) : std::strcmp(text, w.spelling) == 0) best = k;
    }
    return best < WORD_COUNT ? &WORDS[best] : nullptr;
}

bool functionpoint(const char* text) {
    if (text[0] == 'c' && text[1] && symbolword(text[1])) return false;  // no function starts "c+"
    return POINTS.index.first(text) >= 0;
}

const Word* symbolword(char c) {
    int k = CANDIDATES.symbol[static_cast<unsigned char>(c)];
    return c && k < WORD_COUNT ? &WORDS[k] : nullptr;
}

const Word* wordnamed(const char* name) {
    for (const Word& word : WORDS)
        if (std::strcmp(word.spelling, name) == 0) return &word;
    return nullptr;
}

bool typedbyname(const Word& word) {
    return word.match != M::SYMBOL && std::isalpha(static_cast<unsigned char>(word.spelling[0])) &&
           (word.routine || !std::strcmp(word.spelling, "help"));
}

const Word* allwords(int& count) {
    count = WORD_COUNT;
    return WORDS;
}
