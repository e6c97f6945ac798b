#include <cmath>

#include "contract.h"
#include "ops.h"

double atanr(double y, double x) {
    if (y == 0 && x == 0) return 0;
    double f = std::asin(y / std::sqrt(x * x + y * y));
    if (x < 0) f = PI - f;
    while (f > PI_2) f = f - 2 * PI;
    return f;
}

namespace {
// Sum (sign 1) or difference (sign -1); the result keeps the left dimension.
void addsigned(double sign, const OpMessages& messages, const char* unitwarning) {
    if (!infixready(messages)) return;
    const lm& left = *T->prev;
    const lm& right = *T->next;
    if (left.dim != right.dim) warn(unitwarning);
    double x = std::cos(left.angle) * left.radius + sign * (std::cos(right.angle) * right.radius);
    double y = std::sin(left.angle) * left.radius + sign * (std::sin(right.angle) * right.radius);
    infixdone(std::sqrt(x * x + y * y), atanr(y, x), left.dim);
}
}  // namespace

void add() { addsigned(1, {"nothing to add : ", "cant add comands : "}, "unit's error in adding : "); }

void sub() { addsigned(-1, {"nothing to sub : ", "can't sub comands : "}, "unit's error in - : "); }

void mult() {
    if (!infixready({"nothing to multiply : ", "cant * comands : "})) return;
    const lm& left = *T->prev;
    const lm& right = *T->next;
    infixdone(left.radius * right.radius, left.angle + right.angle, left.dim + right.dim);
}

void div() {
    if (!infixready({"nothing to divide : ", "cant / comands : "})) return;
    const lm& left = *T->prev;
    const lm& right = *T->next;
    infixdone(left.radius / right.radius, left.angle - right.angle, left.dim - right.dim);
}
