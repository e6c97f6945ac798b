// Absolute temperatures on the Celsius and Fahrenheit scales, as kelvin:
// tempC(20) and tempF(68) are 293.15 K.
#include "core/polar.h"
#include "funcs.h"
#include "prefix.h"

namespace funcs {

namespace {
// x + i*y kelvin into r, a and the dimension of T.
void kelvin(double x, double y, double& r, double& a) {
    r = x, a = 0;
    if (y != 0) topolar(x, y, r, a);
    T->dim.without();
    T->dim.exponent[TEMP_SLOT] = 1;
}
}  // namespace

void C_tempC() {
    prefix({"nothing to tempC : ", "cant tempC comands : "},
           "tempC of units : ", [](const lm& z, double& r, double& a) {
               double x, y;
               tocartesian(z.radius, z.angle, x, y);
               kelvin(x + 273.15, y, r, a);
           });
}

// 0 on the Celsius scale is 32 on the Fahrenheit scale, and a degree
// Fahrenheit is 5/9 of a kelvin.
void C_tempF() {
    prefix({"nothing to tempF : ", "cant tempF comands : "},
           "tempF of units : ", [](const lm& z, double& r, double& a) {
               double x, y;
               tocartesian(z.radius, z.angle, x, y);
               kelvin((x - 32) * 5 / 9 + 273.15, y * 5 / 9, r, a);
           });
}

}  // namespace funcs
