// Variables live in varib for the whole run; "func" binds values to the
// parameter slots '0', '1', ...; "dln" deletes the node after it.
#include "contract.h"
#include "ops.h"

namespace ops {

namespace {
constexpr int MAX_RECALLS = 10000;
int recalls = 0;

// A slot that recalls itself would run for ever: the recalls of one
// expression are bounded.
bool recall() {
    if (++recalls <= MAX_RECALLS) return true;
    return fail("variable loop : ");
}

unsigned char slotof(const lm* node) { return static_cast<unsigned char>(node->text[2]); }

int count(const lm* node) { return node->kind == KIND_NUMBER ? clampedint(node->radius) : 0; }
}  // namespace

void resetrecalls() { recalls = 0; }

void C_varib() {
    unsigned char slot = slotof(T);
    if (T->prev) {
        varib[slot] = *T->prev;
        dropnode(T);
        return;
    }
    if (!recall()) return;
    varib[slot] = varib[0];
    *T = varib[0];
}

void C_varibp() {
    if (!recall()) return;
    *T = varib[slotof(T)];
}

void C_func() {
    lm* counter = T->next;
    if (counter) {
        int slot = '0';
        for (int n = count(counter); n > 0 && counter->next; --n, ++slot) {
            if (slot < 256) varib[slot] = *counter->next;
            dropnode(counter->next);
        }
        dropnode(counter);
    }
    dropnode(T);
}

void C_dln() {
    if (T->next) dropnode(T->next);
    dropnode(T);
}

}  // namespace ops
