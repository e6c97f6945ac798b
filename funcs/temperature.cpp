// Absolute temperatures on the Celsius and Fahrenheit scales, as kelvin:
// tempC(20) and tempF(68) are 293.15 K.
#include <cmath>
#include <cstring>

#include "core/polar.h"
#include "funcs.h"
#include "ops/contract.h"
#include "prefix.h"

namespace funcs {

namespace {
// 0 on the Celsius scale is 273.15 K and its degree is a kelvin; 0 on the
// Fahrenheit scale is 32 degrees below the freezing point, and its degree is
// 5/9 of a kelvin; 0 on the Rankine scale is 0 K, with the degree of
// Fahrenheit.
const TemperatureScale SCALES[] = {{"tempC", 0, 1, 1, false}, {"tempF", 32, 5, 9, false}, {"tempR", 0, 5, 9, true}};

// value * mul / div; the quotient first where the product would overflow
// for a finite temperature (tempF(1.7e308)).
double scaled(double value, double mul, double div) {
    double product = value * mul / div;
    return std::isinf(product) && std::isfinite(value) ? value / div * mul : product;
}

void warnbelowzero(double x, double y) {
    if (y == 0 && x < 0) warn("below absolute zero : ");
}

// The kelvin value of z on scale into r, a and the dimension of T.
void kelvin(const TemperatureScale& scale, const lm& z, lm& result) {
    double x, y;
    z.parts(x, y);
    tokelvin(scale, x, y);
    double r = x, a = 0;
    if (y != 0) topolar(x, y, r, a);
    setvalue(&result, r, a);
    keepparts(&result, x, y);
    T->dim.without();
    T->dim.exponent[TEMP_SLOT] = 1;
}
}  // namespace

void tokelvin(const TemperatureScale& scale, double& x, double& y) {
    x = scale.absolute ? scaled(x, scale.num, scale.den) : scaled(x - scale.zero, scale.num, scale.den) + 273.15;
    y = scaled(y, scale.num, scale.den);
    warnbelowzero(x, y);
}

void todegrees(const TemperatureScale& scale, double& x, double& y) {
    warnbelowzero(x, y);
    x = scale.absolute ? scaled(x, scale.den, scale.num) : scaled(x - 273.15, scale.den, scale.num) + scale.zero;
    y = scaled(y, scale.den, scale.num);
}

const TemperatureScale* temperaturescale(const char* name) {
    for (const TemperatureScale& scale : SCALES)
        if (std::strcmp(scale.name, name) == 0) return &scale;
    return nullptr;
}

void C_tempC() {
    prefix({"nothing to tempC : ", "cant tempC comands : "},
           "tempC of units : ", [](const lm& z, lm& result) { kelvin(SCALES[0], z, result); });
}

void C_tempF() {
    prefix({"nothing to tempF : ", "cant tempF comands : "},
           "tempF of units : ", [](const lm& z, lm& result) { kelvin(SCALES[1], z, result); });
}

void C_tempR() {
    prefix({"nothing to tempR : ", "cant tempR comands : "},
           "tempR of units : ", [](const lm& z, lm& result) { kelvin(SCALES[2], z, result); });
}

}  // namespace funcs
