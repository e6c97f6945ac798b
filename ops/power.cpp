#include <climits>
#include <cmath>
#include <complex>

#include "contract.h"
#include "core/polar.h"
#include "ops.h"

namespace ops {

namespace {
// The principal value of base^(c + i*s).  The base is brought to its
// principal angle first, so the result depends on the base's value alone.  A
// zero base has no angle of its own: its powers lie on the positive real axis.
void complexpower(const lm& base, double c, double s, double& radius, double& angle) {
    double rho, alpha;
    base.principalpolar(rho, alpha);
    double modulus = std::pow(rho, c), turn = std::exp(-s * alpha);
    radius = modulus * turn;
    // Where the two factors leave the range of a double apart (e^-800 * e^810),
    // the modulus is taken at once from its logarithm, in extended precision.
    if (rho > 0 && std::isfinite(rho) && !(std::isnormal(modulus) && std::isnormal(turn) && std::isfinite(turn)))
        radius = static_cast<double>(std::exp(static_cast<long double>(c) * std::log(static_cast<long double>(rho)) -
                                              static_cast<long double>(s) * alpha));
    if (rho == 0)
        angle = 0;
    else
        angle = (s == 0 ? 0 : std::log(rho) * s) + c * alpha;
}

// The factor of a power's dimension: the exponent's signed value when it is a
// real number (its angle a whole number of half turns, as a sign makes it),
// else its stored modulus.
double dimensionfactor(const lm& exponent) {
    double x;
    return exponent.isreal(x) ? x : exponent.radius;
}
}  // namespace

void pow() {
    if (!infixready({"nothing to ^ : ", "cant pow comands : "})) return;
    const lm& base = *T->prev;
    const lm& exponent = *T->next;
    if (!exponent.dim.u0()) warn("pow of units : ");
    double c, s, radius, angle;
    exponent.parts(c, s);
    complexpower(base, c, s, radius, angle);
    infixdone(radius, angle, base.dim * dimensionfactor(exponent));
}

void root() {
    if (!infixready({"nothing to root : ", "cant root comands : "})) return;
    const lm& index = *T->prev;
    const lm& radicand = *T->next;
    if (!index.dim.u0()) warn("root left value can`t have units units : ");
    double c, s, radius, angle;
    if (index.hasparts) {
        std::complex<double> k = 1.0 / std::complex<double>(index.re, index.im);
        c = k.real();
        s = k.imag();
    } else {
        tocartesian(1 / index.radius, -index.angle, c, s);
    }
    complexpower(radicand, c, s, radius, angle);
    infixdone(radius, angle, radicand.dim * (1 / dimensionfactor(index)));
}

namespace {
// n! built from the top, n, n(n-1), ... down to 2, for n the operand
// truncated.  Once the product is infinite it stays so.
double product(double operand) {
    if (std::isnan(operand)) return NAN;
    if (!(operand > INT_MIN - 1.0 && operand < INT_MAX + 1.0)) return INFINITY;
    double f = 1.0;
    for (int n = static_cast<int>(operand); n > 1 && !std::isinf(f); --n) f = n * f;
    return f;
}

// x! of a real x: the product for whole numbers, Gamma(x + 1) between them,
// NaN at the poles (the negative whole numbers).
double factorial(double x) {
    if (!std::isfinite(x)) return product(x);
    if (x != std::floor(x)) return std::tgamma(x + 1);
    return x < 0 ? NAN : product(x);
}

}  // namespace

void Azeret() {
    if (!postfixready({"nothing to azeret : ", "cant ! comands : "})) return;
    const lm& operand = *T->prev;
    if (!operand.dim.u0()) warn("! of units : ");
    double x;
    if (operand.isreal(x)) {
        postfixdone(factorial(x), 0);
    } else {
        warn("! of complex # : ");
        postfixdone(product(operand.radius), 0);
    }
}

}  // namespace ops
