#include <cmath>

#include "core/polar.h"
#include "funcs.h"
#include "prefix.h"

namespace funcs {

namespace {
constexpr double E = 2.718281828459045;
constexpr double LN10 = 2.302585092994046;

void constant(double radius, double angle) { setvalue(T, radius, angle); }

// The principal logarithm of the operand as the cartesian pair (ln r, angle).
void logpair(const lm& operand, double& real, double& imag) {
    double r = operand.radius, a = operand.angle;
    principal(r, a);
    real = std::log(r);
    imag = a;
}

void logarithm(const lm& operand, double divisor, double& radius, double& angle) {
    double a, b;
    logpair(operand, a, b);
    ops::storecartesian(a / divisor, b / divisor, radius, angle);
}
}  // namespace

void pi() { constant(PI, 0); }
void c_i() { constant(1, PI_2); }
void e() { constant(E, 0); }

void C_exp() {
    prefix({"nothing to exp : ", "cant exp comands : "}, "exp of units : ", [](const lm& z, double& r, double& a) {
        double x;
        tocartesian(z.radius, z.angle, x, a);
        r = std::exp(x);
    });
}

void C_ln() {
    prefix({"nothing to ln : ", "cant ln comands : "},
           "ln of units : ", [](const lm& z, double& r, double& a) { logarithm(z, 1, r, a); });
}

void C_log10() {
    prefix({"nothing to log10 : ", "cant log10 comands : "},
           "log10 of units : ", [](const lm& z, double& r, double& a) { logarithm(z, LN10, r, a); });
}

void C_sqrt() {
    if (!prefixready({"nothing to sqrt : ", "cant sqrt comands : "})) return;
    const lm& z = *T->next;
    double r = z.radius, a = z.angle;
    principal(r, a);
    T->dim = z.dim * 0.5;
    prefixdone(std::sqrt(r), a / 2);
}

// log base argument: ln X / ln B.
void C_log() {
    if (!prefixready({"nothing to log : ", "cant log comands : "}, 2)) return;
    const lm& base = *T->next;
    const lm& argument = *base.next;
    double lx, ax, lb, ab;
    logpair(argument, lx, ax);
    logpair(base, lb, ab);
    double radius, angle;
    if (ab == 0 && base.radius != 0) {
        ops::storecartesian(lx, ax, radius, angle);
        radius /= lb;
    } else {
        polar(complex(lx, ax) / complex(lb, ab), radius, angle);
    }
    prefixdone(radius, angle, 2);
}

}  // namespace funcs
