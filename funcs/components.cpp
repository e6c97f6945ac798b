// Parts of a complex value.  abs, Re, Im and conj keep the operand's
// dimension (the real part of an impedance is a resistance); phase has none.
#include <cmath>

#include "funcs.h"
#include "prefix.h"

namespace funcs {

namespace {
template <class Compute>
void component(const OpMessages& messages, Compute compute) {
    prefix(messages, nullptr, [&](const lm& z, lm& result) {
        compute(z, result);
        T->dim = z.dim;
    });
}
}  // namespace

void C_abs() {
    component({"nothing to abs : ", "cant abs comands : "}, [](const lm& z, lm& result) {
        setvalue(&result, z.hasparts ? std::hypot(z.re, z.im) : std::fabs(z.radius), 0);
    });
}

void C_Re() {
    component({"nothing to Re : ", "cant Re comands : "}, [](const lm& z, lm& result) {
        double x, y;
        z.parts(x, y);
        setvalue(&result, x, 0);
    });
}

void C_Im() {
    component({"nothing to Im : ", "cant Im comands : "}, [](const lm& z, lm& result) {
        double x, y;
        z.parts(x, y);
        setvalue(&result, y, 0);
    });
}

void C_Conj() {
    component({"nothing to Conj : ", "cant Conj comands : "}, [](const lm& z, lm& result) {
        setvalue(&result, z.radius, -z.angle);
        if (z.hasparts) result.setparts(z.re, -z.im);
    });
}

// The principal angle, in (-pi, pi].
void C_phase() {
    prefix({"phase of nothing : ", "cant get phase of comands use (): "}, nullptr, [](const lm& z, lm& result) {
        double modulus, angle;
        z.principalpolar(modulus, angle);
        setvalue(&result, angle, 0);
    });
}

}  // namespace funcs
