// Parts of a complex value.  abs, Re, Im and conj keep the operand's
// dimension (the real part of an impedance is a resistance); phase has none.
#include <cmath>

#include "core/polar.h"
#include "funcs.h"
#include "prefix.h"

namespace funcs {

namespace {
template <class Compute>
void component(const OpMessages& messages, Compute compute) {
    prefix(messages, nullptr, [&](const lm& z, double& r, double& a) {
        compute(z, r, a);
        T->dim = z.dim;
    });
}
}  // namespace

void C_abs() {
    component({"nothing to abs : ", "cant abs comands : "}, [](const lm& z, double& r, double& a) {
        r = std::fabs(z.radius);
        a = 0;
    });
}

void C_Re() {
    component({"nothing to Re : ", "cant Re comands : "}, [](const lm& z, double& r, double& a) {
        double imaginary;
        tocartesian(z.radius, z.angle, r, imaginary);
        a = 0;
    });
}

void C_Im() {
    component({"nothing to Im : ", "cant Im comands : "}, [](const lm& z, double& r, double& a) {
        double real;
        tocartesian(z.radius, z.angle, real, r);
        a = 0;
    });
}

void C_Conj() {
    component({"nothing to Conj : ", "cant Conj comands : "}, [](const lm& z, double& r, double& a) {
        r = z.radius;
        a = -z.angle;
    });
}

// The principal angle, in (-pi, pi].
void C_phase() {
    prefix({"phase of nothing : ", "cant get phase of comands use (): "}, nullptr,
           [](const lm& z, double& r, double& a) {
               double modulus = z.radius;
               r = z.angle;
               principal(modulus, r);
               a = 0;
           });
}

}  // namespace funcs
