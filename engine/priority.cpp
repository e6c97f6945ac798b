// Precedence and bracket depth folded into one integer per node.  Every bracket
// level adds 10; the brackets of a "func" call add 450 more, so that the call's
// arguments are complete before "func" runs.
#include <cstring>

#include "core/quantity.h"
#include "core/strings.h"
#include "engine.h"

namespace {
constexpr int NUMBER_PRIO = -5;
constexpr int FUNC_BRACKETS = 450;

int base;
int funcbrackets;  // 0 none pending, 1 "func" seen, 100 + open brackets inside its call

const PrefixIndex FUNCTION_NAMES{"sin", "cos", "tan", "asin", "acos", "atan",  "sqrt", "log10",
                                 "ln",  "abs", "Re",  "Im",   "conj", "phase", "exp",  "azeret"};

bool isconstant(const char* text) {
    return !std::strcmp(text, "pi") || !std::strcmp(text, "i") || !std::strcmp(text, "e");
}

bool isfunctionname(const char* text) { return FUNCTION_NAMES.first(text) >= 0; }

void openbracket() {
    base += 10;
    if (funcbrackets == 1) {
        funcbrackets = 100;
        base += FUNC_BRACKETS;
    }
    if (funcbrackets > 20) ++funcbrackets;
}

void closebracket() {
    base -= 10;
    if (funcbrackets == 1) funcbrackets = 0;
    if (funcbrackets > 100) --funcbrackets;
    if (funcbrackets == 100) {
        base -= FUNC_BRACKETS;
        funcbrackets = 0;
    }
}

// The priority of a command node, adjusting the levels for brackets.
int priorityof(const char* t) {
    switch (t[1]) {
        case '(': openbracket(); return 0;
        case ')': closebracket(); return 0;
        case '{': base += 10; return 0;
        case '}': base -= 10; return 0;
        case '+':
        case '-': return base - 2;
    }
    if (t[0] == '$') return base + 6;
    if (t[0] == '~') return base + 5;
    if (comps(t, "func")) {
        funcbrackets = 1;
        return base + 18;
    }
    if (t[0] == '@') return base + 4;
    switch (t[1]) {
        case '=': return base + 3;
        case '%': return base + 7;
        case '*':
        case '/': return base - 1;
    }
    if (isconstant(t)) return base + 17;  // a value before any operator of its level
    return base;
}

// A minus is binary after a value: a number, a closing bracket or brace, a
// factorial, a variable recall or a constant.
bool isunaryminus(const lm* node) {
    if (node->text[0] != 'c' || node->text[1] != '-') return false;
    const lm* before = node->prev;
    if (!before) return true;
    if (before->kind != KIND_COMMAND) return false;
    const char* t = before->text;
    bool value = t[0] == 'c' && (t[1] == ')' || t[1] == '}' || t[1] == '!' || t[1] == '%');
    return !value && !isconstant(t);
}

// Links a new node after node and returns it.
lm* insertafter(lm* node) {
    lm* inserted = new lm;
    inserted->next = node->next;
    if (node->next) node->next->prev = inserted;
    inserted->prev = node;
    node->next = inserted;
    return inserted;
}

void makenumber(lm* node, double radius) {
    node->radius = radius;
    node->dim.without();
    node->prio = NUMBER_PRIO;
    node->kind = KIND_NUMBER;
}

void makeproduct(lm* node, int prio) {
    std::strcpy(node->text, "c*");
    node->kind = KIND_COMMAND;
    node->prio = prio;
}
}  // namespace

void assignprio() {
    base = 100;
    funcbrackets = 0;
    for (C = S; C; C = C->next) {
        if (C->kind != KIND_COMMAND) {
            C->prio = NUMBER_PRIO;
            continue;
        }
        C->prio = priorityof(C->text);
        if (isunaryminus(C)) {  // -x is -1 * x, ahead of the operators of its level
            makenumber(C, -1.0);
            T = C = insertafter(C);
            makeproduct(C, base + 7);
        } else if (C->text[0] == 'c' && C->text[1] == '{') {  // a{u} is a * (1 u)
            makeproduct(C, base - 1);
            T = C = insertafter(C);
            makenumber(C, 1.0);
        } else if (!isconstant(C->text) && isfunctionname(C->text)) {
            C->prio += 1;
        }
    }
    C = nullptr;
}

void removebrackets() {
    for (C = S; C;) {
        T = C;
        C = C->next;
        char second = T->text[0] ? T->text[1] : 0;
        if (second == '(' || second == ')' || second == '{' || second == '}') dropnode(T);
    }
    T = nullptr;
}
