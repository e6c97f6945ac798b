#include <cstdlib>
#include <iostream>

#include "core/quantity.h"
#include "core/strings.h"
#include "engine.h"
#include "funcs/funcs.h"
#include "ops/contract.h"
#include "ops/ops.h"

namespace {
constexpr int THRESHOLD = -3;

void endprogram() { onendkeyword(); }

struct Keyword {
    const char* name;
    void (*routine)();
};

// Tested in this order; a text runs the first keyword it is a non-empty start of.
const Keyword KEYWORDS[] = {
    {"plus", add},        {"c+", add},          {"c-", sub},       {"minus", sub},   {"c*", mult},
    {"~", mult},          {"@", add},           {"c/", div},       {"c^", pow},      {"root", root},
    {"sqrt", C_sqrt},     {"c!", Azeret},       {"sin", C_sin},    {"cos", C_cos},   {"tan", C_tan},
    {"tg", C_tan},        {"asin", C_asin},     {"acos", C_acos},  {"atan", C_atan}, {"e", e},
    {"exp", C_exp},       {"ln", C_ln},         {"abs", C_abs},    {"Re", C_Re},     {"Im", C_Im},
    {"conj", C_Conj},     {"phase", C_phase},   {"lg10", C_log10}, {"log", C_log},   {"func", C_func},
    {"dln", C_dln},       {"pi", pi},           {"i", c_i},        {"$m", UM},       {"$k", UK},
    {"$c", UC},           {"$s", US},           {"$d", UD},        {"$n", Un},       {"exit", endprogram},
    {"quit", endprogram}, {"stop", endprogram},
};

void syntaxerror() {
    std::cout << "syntax error , dont know how to " << T->text;
    fail(" : ");
}

const Keyword* keywordof(const char* text) {
    static const PrefixIndex index = [] {
        PrefixIndex starts;
        for (const Keyword& keyword : KEYWORDS) starts.add(keyword.name);
        return starts;
    }();
    int position = index.first(text);
    return position < 0 ? nullptr : &KEYWORDS[position];
}

void (*routinefor(const char* text))() {
    if (const Keyword* keyword = keywordof(text)) return keyword->routine;
    if (text[0] == 'c' && text[1] == '=') return C_varib;
    if (text[0] == 'c' && text[1] == '%') return C_varibp;
    return syntaxerror;
}

// The leftmost command node of highest priority above the threshold, or null.
lm* selectnext() {
    int threshold = THRESHOLD;
    lm* selected = nullptr;
    for (C = S; C; C = C->next)
        if (C->kind == KIND_COMMAND && C->prio > threshold) {
            threshold = C->prio;
            selected = C;
        }
    return selected;
}
}  // namespace

void (*onendkeyword)() = [] { std::exit(1); };

const char* keywordrun(const char* text) {
    const Keyword* keyword = keywordof(text);
    return keyword ? keyword->name : nullptr;
}

void evaluate() {
    while (S) {
        T = selectnext();
        if (!T) {
            printlist();
            exit0(1);
            break;
        }
        routinefor(T->text)();
    }
    std::cout << '\n';
}
