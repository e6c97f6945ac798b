// Parts of a complex value; the operand's dimension is dropped.
#include <cmath>

#include "funcs.h"
#include "prefix.h"

void C_abs() {
    prefix({"nothing to abs : ", "cant abs comands : "}, nullptr, [](const lm& z, double& r, double& a) {
        r = std::fabs(z.radius);
        a = 0;
    });
}

void C_Re() {
    prefix({"nothing to Re : ", "cant Re comands : "}, nullptr, [](const lm& z, double& r, double& a) {
        r = std::cos(z.angle) * z.radius;
        a = 0;
    });
}

void C_Im() {
    prefix({"nothing to Im : ", "cant Im comands : "}, nullptr, [](const lm& z, double& r, double& a) {
        r = std::sin(z.angle) * z.radius;
        a = 0;
    });
}

void C_Conj() {
    prefix({"nothing to Conj : ", "cant Conj comands : "}, nullptr, [](const lm& z, double& r, double& a) {
        r = z.radius;
        a = -z.angle;
    });
}

void C_phase() {
    prefix({"phase of nothing : ", "cant get phase of comands use (): "}, nullptr,
           [](const lm& z, double& r, double& a) {
               double modulus = z.radius;
               r = z.angle;
               positivemodulus(modulus, r);
               a = 0;
           });
}
