#include <cmath>

#include "contract.h"
#include "core/polar.h"
#include "ops.h"

namespace ops {

void storecartesian(double x, double y, double& radius, double& angle) {
    if (y == 0 && !std::isnan(x)) {  // on the real axis: what hypot and atan2 give, without them
        radius = std::fabs(x);
        angle = x < 0 ? -PI : x > 0 ? y : 0;
        return;
    }
    topolar(x, y, radius, angle);
    if (angle > PI_2) angle -= 2 * PI;
}

double atanr(double y, double x) {
    double radius, angle;
    storecartesian(x, y, radius, angle);
    return angle;
}

namespace {
// Sum (sign 1) or difference (sign -1); the result keeps the left dimension.
void addsigned(double sign, const OpMessages& messages, const char* unitwarning) {
    if (!infixready(messages)) return;
    const lm& left = *T->prev;
    const lm& right = *T->next;
    if (left.dim != right.dim) warn(unitwarning);
    double xl, yl, xr, yr;
    tocartesian(left.radius, left.angle, xl, yl);
    tocartesian(right.radius, right.angle, xr, yr);
    double radius, angle;
    storecartesian(xl + sign * xr, yl + sign * yr, radius, angle);
    infixdone(radius, angle, left.dim);
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

}  // namespace ops
