#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/output.h"
#include "core/quantity.h"
#include "core/strings.h"
#include "engine.h"
#include "ops/contract.h"
#include "words.h"

namespace {
constexpr int THRESHOLD = -3;

void syntaxerror() {
    output << "syntax error , dont know how to " << T->text;
    if (onunknownword) unknownword = T->text;  // told when the line is written
    fail(" : ");
}

void (*routinefor(const char* text))() {
    const Word* word = wordrun(text);
    return word ? word->routine : syntaxerror;
}

bool selectable(const lm* node) { return node->kind == KIND_COMMAND && node->prio > THRESHOLD; }

// The leftmost selectable command node of highest priority, or null.
lm* selectnext() {
    lm* selected = nullptr;
    for (C = S; C; C = C->next)
        if (selectable(C) && (!selected || C->prio > selected->prio)) selected = C;
    return selected;
}

// A command node of a long list, ordered as selectnext chooses: higher
// priority first, then the one further left.
struct Waiting {
    int prio;
    int serial;
    lm* node;
    bool operator<(const Waiting& other) const {
        return prio != other.prio ? prio < other.prio : serial > other.serial;
    }
};

// Lists up to this many command nodes are searched afresh for each step;
// longer ones keep their command nodes in a heap, so that a step costs a
// logarithm of the list, not the list.
constexpr int SHORT_LIST = 16;

bool runlong() {
    std::vector<Waiting> heap;
    int serial = 0;
    for (lm* node = S; node; node = node->next) {
        node->serial = serial++;
        if (selectable(node)) heap.push_back({node->prio, node->serial, node});
    }
    dropped.assign(serial, 0);
    std::make_heap(heap.begin(), heap.end());
    while (S) {
        // The top is the node to run while it is still a command of the list.
        while (!heap.empty() && (dropped[heap.front().serial] || !selectable(heap.front().node))) {
            std::pop_heap(heap.begin(), heap.end());
            heap.pop_back();
        }
        if (heap.empty()) return true;
        T = heap.front().node;
        C = nullptr;
        routinefor(T->text)();
    }
    return false;
}
}  // namespace

void (*onendkeyword)() = [] { std::exit(1); };

void (*onunknownword)(const char* word) = nullptr;
std::string unknownword;

EndingRefused::EndingRefused() : saved_(onendkeyword) {
    onendkeyword = [] { fail("ends the program : "); };
}

EndingRefused::~EndingRefused() { onendkeyword = saved_; }

const char* keywordrun(const char* text) {
    const Word* word = wordrun(text);
    return word ? word->spelling : nullptr;
}

bool runlist() {
    int commands = 0;
    for (lm* node = S; node && commands <= SHORT_LIST; node = node->next) commands += selectable(node);
    if (commands > SHORT_LIST) return runlong();
    while (S) {
        T = selectnext();
        if (!T) return true;
        routinefor(T->text)();
    }
    return false;
}

namespace {
long empty = 0;
}

long emptycount() { return empty; }

void evaluate() {
    long before = messagecount();
    if (runlist()) {
        printlist();
        exit0(1);
    } else if (messagecount() == before) {
        ++empty;  // the words of the line took themselves away: "((((", "func"
    }
    output << '\n';
}
