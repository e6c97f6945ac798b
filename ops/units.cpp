#include "contract.h"
#include "ops.h"

namespace ops {

namespace {
// The number on the right is added to one exponent of the quantity on the left.
void raise(int slot) {
    if (!infixready({"nothing to unit : ", "cant unit comands : "})) return;
    const lm& left = *T->prev;
    unit dim = left.dim;
    dim.exponent[slot] += T->next->radius;
    bool hasparts = left.hasparts;
    infixdone(left.radius, left.angle, dim);
    T->hasparts = hasparts;  // the left operand's node, its parts in place
}
}  // namespace

void UK() { raise(MASS_SLOT); }
void US() { raise(TIME_SLOT); }
void UM() { raise(LENGTH_SLOT); }
void UD() { raise(TEMP_SLOT); }
void UC() { raise(CHARGE_SLOT); }
void Un() { raise(MOLE_SLOT); }

}  // namespace ops
