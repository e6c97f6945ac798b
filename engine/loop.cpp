#include <cstdlib>
#include <iostream>

#include "core/quantity.h"
#include "core/strings.h"
#include "engine.h"
#include "ops/contract.h"
#include "words.h"

namespace {
constexpr int THRESHOLD = -3;

void syntaxerror() {
    std::cout << "syntax error , dont know how to " << T->text;
    fail(" : ");
}

void (*routinefor(const char* text))() {
    const Word* word = wordrun(text);
    return word ? word->routine : syntaxerror;
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
    const Word* word = wordrun(text);
    return word ? word->spelling : nullptr;
}

bool runlist() {
    while (S) {
        T = selectnext();
        if (!T) return true;
        routinefor(T->text)();
    }
    return false;
}

void evaluate() {
    if (runlist()) {
        printlist();
        exit0(1);
    }
    std::cout << '\n';
}
