// Precedence and bracket depth folded into one integer per node.  Every bracket
// level adds 10; the brackets of a "func" call add 450 more, so that the call's
// arguments are complete before "func" runs.
#include <cstring>

#include "core/quantity.h"
#include "core/strings.h"
#include "engine.h"
#include "words.h"

namespace {
constexpr int NUMBER_PRIO = -5;
constexpr int FUNC_BRACKETS = 450;

int base;
int funcbrackets;  // 0 none pending, 1 "func" seen, 100 + open brackets inside its call

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

// The priority of a command node (the offset of its word above the level),
// adjusting the levels for brackets and for the call of "func".
int priorityof(const Word* word) {
    if (!word) return base;
    switch (word->kind) {
        case WordKind::OPEN:
            if (word->spelling[1] == '(')
                openbracket();
            else
                base += 10;
            return 0;
        case WordKind::CLOSE:
            if (word->spelling[1] == ')')
                closebracket();
            else
                base -= 10;
            return 0;
        case WordKind::CALL: funcbrackets = 1; break;
        default: break;
    }
    return base + word->priority;
}

bool isconstant(const Word* word) { return word && word->kind == WordKind::CONSTANT; }

// A minus is binary after a value: a number, a closing bracket or brace, a
// factorial, a variable recall or a constant.
bool isunaryminus(const lm* node) {
    if (node->text[0] != 'c' || node->text[1] != '-') return false;
    const lm* before = node->prev;
    if (!before) return true;
    if (before->kind != KIND_COMMAND) return false;
    const char* t = before->text;
    if (isconstant(priorityword(t))) return false;
    const Word* symbol = t[0] == 'c' ? symbolword(t[1]) : nullptr;
    return !symbol ||
           (symbol->kind != WordKind::CLOSE && symbol->kind != WordKind::POSTFIX && symbol->kind != WordKind::RECALL);
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
        const Word* word = priorityword(C->text);
        C->prio = priorityof(word);
        if (isunaryminus(C)) {  // -x is -1 * x, ahead of the operators of its level
            makenumber(C, -1.0);
            T = C = insertafter(C);
            makeproduct(C, base + 7);
        } else if (C->text[0] == 'c' && C->text[1] == '{') {  // a{u} is a * (1 u)
            makeproduct(C, base - 1);
            T = C = insertafter(C);
            makenumber(C, 1.0);
        } else if (!isconstant(word) && functionpoint(C->text)) {
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
