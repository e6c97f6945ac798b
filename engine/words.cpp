#include "words.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

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
const Word WORDS[] = {
    // spelling  routine   kind        match      priority  function point
    {"c(", nullptr, K::OPEN, M::SYMBOL, 0, false},
    {"c)", nullptr, K::CLOSE, M::SYMBOL, 0, false},
    {"c{", nullptr, K::OPEN, M::SYMBOL, 0, false},
    {"c}", nullptr, K::CLOSE, M::SYMBOL, 0, false},
    {"plus", ops::add, K::INFIX, M::NONE, 0, false},  // binds like "c^", not like "c+"
    {"c+", ops::add, K::INFIX, M::SYMBOL, -2, false},
    {"c-", ops::sub, K::INFIX, M::SYMBOL, -2, false},
    {"minus", ops::sub, K::INFIX, M::NONE, 0, false},  // binds like "c^", not like "c-"
    {"$m", ops::UM, K::UNIT, M::FIRST, 6, false},
    {"$k", ops::UK, K::UNIT, M::FIRST, 6, false},
    {"$c", ops::UC, K::UNIT, M::FIRST, 6, false},
    {"$s", ops::US, K::UNIT, M::FIRST, 6, false},
    {"$d", ops::UD, K::UNIT, M::FIRST, 6, false},
    {"$n", ops::Un, K::UNIT, M::FIRST, 6, false},
    {"~", ops::mult, K::INFIX, M::FIRST, 5, false},  // a product that binds tighter than "c*"
    {"func", ops::C_func, K::CALL, M::START, 18, false},
    {"@", ops::add, K::INFIX, M::FIRST, 4, false},  // a sum that binds tighter than "c+"
    {"c*", ops::mult, K::INFIX, M::SYMBOL, -1, false},
    {"c/", ops::div, K::INFIX, M::SYMBOL, -1, false},
    {"c=", ops::C_varib, K::STORE, M::SYMBOL, 3, false},
    {"c%", ops::C_varibp, K::RECALL, M::SYMBOL, 7, false},
    {"c^", ops::pow, K::INFIX, M::SYMBOL, 0, false},
    {"root", ops::root, K::INFIX, M::NONE, 0, false},
    {"sqrt", funcs::C_sqrt, K::PREFIX, M::NONE, 0, true},
    {"c!", ops::Azeret, K::POSTFIX, M::SYMBOL, 0, false},
    {"sin", funcs::C_sin, K::PREFIX, M::NONE, 0, true},
    {"cos", funcs::C_cos, K::PREFIX, M::NONE, 0, true},
    {"tan", funcs::C_tan, K::PREFIX, M::NONE, 0, true},
    {"tg", funcs::C_tan, K::PREFIX, M::NONE, 0, false},  // the other spelling of tan takes no function point
    {"tempC", funcs::C_tempC, K::PREFIX, M::NONE, 0, true},
    {"tempF", funcs::C_tempF, K::PREFIX, M::NONE, 0, true},
    {"asin", funcs::C_asin, K::PREFIX, M::NONE, 0, true},
    {"acos", funcs::C_acos, K::PREFIX, M::NONE, 0, true},
    {"atan", funcs::C_atan, K::PREFIX, M::NONE, 0, true},
    {"e", funcs::e, K::CONSTANT, M::WHOLE, 17, false},  // a value before any operator of its level
    {"exp", funcs::C_exp, K::PREFIX, M::NONE, 0, true},
    {"ln", funcs::C_ln, K::PREFIX, M::NONE, 0, true},
    {"abs", funcs::C_abs, K::PREFIX, M::NONE, 0, true},
    {"Re", funcs::C_Re, K::PREFIX, M::NONE, 0, true},
    {"Im", funcs::C_Im, K::PREFIX, M::NONE, 0, true},
    {"conj", funcs::C_Conj, K::PREFIX, M::NONE, 0, true},
    {"phase", funcs::C_phase, K::PREFIX, M::NONE, 0, true},
    {"lg10", funcs::C_log10, K::PREFIX, M::NONE, 0, false},  // no function point, unlike its other names
    {"log", funcs::C_log, K::PREFIX, M::NONE, 0, true},
    // Names that run nothing ("log10" is a syntax error: it starts no word
    // above) but whose starts take the function point all the same.
    {"log10", nullptr, K::PREFIX, M::NONE, 0, true},
    {"azeret", nullptr, K::POSTFIX, M::NONE, 0, true},
    {"dln", ops::C_dln, K::COMMAND, M::NONE, 0, false},
    {"pi", funcs::pi, K::CONSTANT, M::WHOLE, 17, false},
    {"i", funcs::c_i, K::CONSTANT, M::WHOLE, 17, false},
    {"exit", endprogram, K::COMMAND, M::NONE, 0, false},
    {"quit", endprogram, K::COMMAND, M::NONE, 0, false},
    {"stop", endprogram, K::COMMAND, M::NONE, 0, false},
};
constexpr int WORD_COUNT = sizeof WORDS / sizeof WORDS[0];

bool knows(const Word& word, const char* text) {
    switch (word.match) {
        case M::SYMBOL: return text[0] && text[1] == word.spelling[1];
        case M::FIRST: return text[0] == word.spelling[0];
        case M::START: return comps(text, word.spelling);
        case M::WHOLE: return std::strcmp(text, word.spelling) == 0;
        case M::NONE: return false;
    }
    return false;
}

// For each character, the rows that a text may be known by, so that a text
// costs a few lookups instead of a pass over the table: the first symbol row
// of that second character, the first row known by that first character, and
// the rows known by a start or the whole that begin with it.
struct Candidates {
    int symbol[256];
    int first[256];
    std::vector<int> initial[256];

    Candidates() {
        std::fill(std::begin(symbol), std::end(symbol), WORD_COUNT);
        std::fill(std::begin(first), std::end(first), WORD_COUNT);
        for (int k = WORD_COUNT - 1; k >= 0; --k) {
            const Word& w = WORDS[k];
            auto c = [](char ch) { return static_cast<unsigned char>(ch); };
            if (w.match == M::SYMBOL) symbol[c(w.spelling[1])] = k;
            if (w.match == M::FIRST) first[c(w.spelling[0])] = k;
            if (w.match == M::START || w.match == M::WHOLE)
                initial[c(w.spelling[0])].insert(initial[c(w.spelling[0])].begin(), k);
        }
    }
};
const Candidates CANDIDATES;

// The words that take, in the order of the table; positions (when given) gets
// the table's position of each.
PrefixIndex indexof(bool (*take)(const Word&), int* positions = nullptr) {
    PrefixIndex index;
    int size = 0;
    for (int k = 0; k < WORD_COUNT; ++k)
        if (take(WORDS[k])) {
            index.add(WORDS[k].spelling);
            if (positions) positions[size++] = k;
        }
    return index;
}

int DISPATCHED[WORD_COUNT];
const PrefixIndex RUNS = indexof([](const Word& w) { return w.routine != nullptr; }, DISPATCHED);
const PrefixIndex POINTS = indexof([](const Word& w) { return w.functionpoint; });
}  // namespace

const Word* wordrun(const char* text) {
    int position = RUNS.first(text);
    if (position >= 0) return &WORDS[DISPATCHED[position]];
    if (text[0] == 'c' && (text[1] == '=' || text[1] == '%')) return symbolword(text[1]);
    return nullptr;
}

const Word* priorityword(const char* text) {
    auto c = [](char ch) { return static_cast<unsigned char>(ch); };
    int best = CANDIDATES.first[c(text[0])];
    if (text[0] && CANDIDATES.symbol[c(text[1])] < best) best = CANDIDATES.symbol[c(text[1])];
    for (int k : CANDIDATES.initial[c(text[0])])
        if (k < best && knows(WORDS[k], text)) best = k;
    return best < WORD_COUNT ? &WORDS[best] : nullptr;
}

bool functionpoint(const char* text) { return POINTS.first(text) >= 0; }

const Word* symbolword(char c) {
    int k = CANDIDATES.symbol[static_cast<unsigned char>(c)];
    return c && k < WORD_COUNT ? &WORDS[k] : nullptr;
}

const Word* allwords(int& count) {
    count = WORD_COUNT;
    return WORDS;
}
