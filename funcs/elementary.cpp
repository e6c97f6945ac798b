#include <cmath>

#include "funcs.h"
#include "prefix.h"

namespace funcs {

namespace {
constexpr double E = 2.718281828459045;
constexpr double LN10 = 2.302585092994046;

void constant(double radius, double angle) { setvalue(T, radius, angle); }

// The principal logarithm of the operand: from its parts as C's clog takes
// it, which keeps the digits of ln r for r near 1; else (ln r, angle) of the
// principal polar form.
complex logarithm(const lm& operand) {
    if (operand.hasparts) return std::log(cartesian(operand));
    double r, a;
    operand.principalpolar(r, a);
    return {std::log(r), a};
}

// The logarithm divided by a real divisor; the angle as a sum stores it.
void logarithm(const lm& operand, double divisor, lm& result) {
    complex w = logarithm(operand) / divisor;
    double radius, angle;
    ops::storecartesian(w.real(), w.imag(), radius, angle);
    setvalue(&result, radius, angle);
    keepparts(&result, w.real(), w.imag());
}
}  // namespace

void pi() { constant(PI, 0); }
void c_i() { constant(1, PI_2); }
void e() { constant(E, 0); }

void C_exp() {
    // e^x at angle y, from the parts when it has them: the polar form of the
    // result is exact to rounding, also where e^x overflows.
    prefix({"nothing to exp : ", "cant exp comands : "}, "exp of units : ", [](const lm& z, lm& result) {
        double x, y;
        z.parts(x, y);
        setvalue(&result, std::exp(x), y);
    });
}

void C_ln() {
    prefix({"nothing to ln : ", "cant ln comands : "},
           "ln of units : ", [](const lm& z, lm& result) { logarithm(z, 1, result); });
}

void C_log10() {
    prefix({"nothing to log10 : ", "cant log10 comands : "},
           "log10 of units : ", [](const lm& z, lm& result) { logarithm(z, LN10, result); });
}

void C_sqrt() {
    if (!prefixready({"nothing to sqrt : ", "cant sqrt comands : "})) return;
    const lm& z = *T->next;
    T->dim = z.dim * 0.5;
    lm result;
    if (z.hasparts) {
        store(result, std::sqrt(cartesian(z)));
    } else {
        double r, a;
        z.principalpolar(r, a);
        setvalue(&result, std::sqrt(r), a / 2);
    }
    prefixdone(result);
}

// log base argument: ln X / ln B.
void C_log() {
    if (!prefixready({"nothing to log : ", "cant log comands : "}, 2)) return;
    const lm& base = *T->next;
    const lm& argument = *base.next;
    complex lb = logarithm(base);
    lm result;
    if (lb.imag() == 0 && base.radius != 0) {
        // ln X as it stores it, the radius divided (negative for a base below 1)
        logarithm(argument, 1, result);
        double x = result.re / lb.real(), y = result.im / lb.real();
        bool hadparts = result.hasparts;
        setvalue(&result, result.radius / lb.real(), result.angle);
        if (hadparts) keepparts(&result, x, y);
    } else {
        store(result, logarithm(argument) / lb);
    }
    prefixdone(result, 2);
}

}  // namespace funcs
