#include <climits>
#include <cmath>

#include "contract.h"
#include "ops.h"

namespace {
// rho^(c + i*s) for the base rho * e^(i*alpha), rho >= 0.  A zero base has no
// angle of its own: its powers lie on the positive real axis.
void complexpower(double rho, double alpha, double c, double s, double& radius, double& angle) {
    radius = std::pow(rho, c) * std::exp(-s * alpha);
    angle = rho == 0 ? 0 : std::log(rho) * s + c * alpha;
}
}  // namespace

void pow() {
    if (!infixready({"nothing to ^ : ", "cant pow comands : "})) return;
    const lm& base = *T->prev;
    const lm& exponent = *T->next;
    if (!exponent.dim.u0()) warn("pow of units : ");
    double rho = base.radius, alpha = base.angle;
    positivemodulus(rho, alpha);
    double radius, angle;
    complexpower(rho, alpha, std::cos(exponent.angle) * exponent.radius, std::sin(exponent.angle) * exponent.radius,
                 radius, angle);
    infixdone(radius, angle, base.dim * exponent.radius);
}

void root() {
    if (!infixready({"nothing to root : ", "cant root comands : "})) return;
    const lm& index = *T->prev;
    const lm& radicand = *T->next;
    double beta = radicand.radius, gamma = radicand.angle;
    positivemodulus(beta, gamma);
    if (!index.dim.u0()) warn("root left value can`t have units units : ");
    double k = 1 / index.radius, phi = -index.angle;
    double radius, angle;
    complexpower(beta, gamma, k * std::cos(phi), k * std::sin(phi), radius, angle);
    infixdone(radius, angle, radicand.dim * k);
}

namespace {
// n! built from the top, n, n(n-1), ... down to 2.  Once the product is
// infinite it stays so.
double factorial(double operand) {
    if (std::isnan(operand)) return NAN;
    if (!(operand > INT_MIN - 1.0 && operand < INT_MAX + 1.0)) return INFINITY;
    double f = 1.0;
    for (int n = static_cast<int>(operand); n > 1 && !std::isinf(f); --n) f = n * f;
    return f;
}
}  // namespace

void Azeret() {
    if (!postfixready({"nothing to azeret : ", "cant ! comands : "})) return;
    const lm& operand = *T->prev;
    if (!operand.dim.u0()) warn("! of units : ");
    if (operand.angle != 0) warn("! of complex # : ");
    postfixdone(factorial(operand.radius), 0);
}
