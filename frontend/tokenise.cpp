#include <cstdlib>

#include "core/quantity.h"
#include "frontend.h"

namespace {
enum class Start { NONE, COMMAND, NUMBER };

Start startof(signed char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '~' || c == '@') return Start::COMMAND;
    if ((c >= '0' && c <= '9') || c == '.') return Start::NUMBER;
    switch (c) {
        case '+': case '-': case '*': case '/': case '^': case '!': case '(': case ')': case '$':
            return Start::COMMAND;
        default:
            return Start::NONE;
    }
}

constexpr int TOKEN_MAX = 49;

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
    int i = 0;
    while (work[i]) {
        Start start = startof(static_cast<signed char>(work[i]));
        if (start == Start::NONE) {
            ++i;
            continue;
        }
        append();
        // A word of more than 49 characters loses its 50th; the 51st starts a new word.
        int length = 0;
        do {
            C->text[length++] = work[i++];
        } while (work[i] != ' ' && work[i] != 0 && length < TOKEN_MAX + 1);
        C->text[length] = 0;
        C->text[TOKEN_MAX] = 0;
        if (start == Start::NUMBER) {
            C->radius = std::atof(C->text);
            C->kind = KIND_NUMBER;
        } else {
            C->kind = KIND_COMMAND;
        }
    }
    dropnode(head);  // S is now the first token, if any
    C = S;
    T = nullptr;
}
