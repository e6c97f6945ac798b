#include <cmath>
#include <complex>

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
    left.parts(xl, yl);
    right.parts(xr, yr);
    double x = xl + sign * xr, y = yl + sign * yr, radius, angle;
    storecartesian(x, y, radius, angle);
    infixdone(radius, angle, left.dim);
    keepparts(T, x, y);
}
}  // namespace

bool scaledparts(const lm& a, const lm& b, bool divide, double& x, double& y) {
    double factor;
    bool imaginary;
    if (a.hasparts && !b.hasparts && b.onaxis(factor, imaginary)) {
        double re = divide ? a.re / factor : a.re * factor, im = divide ? a.im / factor : a.im * factor;
        if (!imaginary) {
            x = re, y = im;
        } else if (!divide) {  // times i
            x = -im, y = re;
        } else {  // by i
            x = im, y = -re;
        }
        return true;
    }
    if (!b.hasparts || a.hasparts || !a.onaxis(factor, imaginary)) return false;
    if (!divide) return scaledparts(b, a, false, x, y);
    // A value on an axis by one with parts: as C divides complex numbers.
    std::complex<double> w = (imaginary ? std::complex<double>(0, factor) : std::complex<double>(factor, 0)) /
                             std::complex<double>(b.re, b.im);
    x = w.real(), y = w.imag();
    return true;
}

void add() { addsigned(1, {"nothing to add : ", "cant add comands : "}, "unit's error in adding : "); }

void sub() { addsigned(-1, {"nothing to sub : ", "can't sub comands : "}, "unit's error in - : "); }

void mult() {
    if (!infixready({"nothing to multiply : ", "cant * comands : "})) return;
    const lm& left = *T->prev;
    const lm& right = *T->next;
    double x, y;
    bool scaled = scaledparts(left, right, false, x, y);
    infixdone(left.radius * right.radius, left.angle + right.angle, left.dim + right.dim);
    if (scaled) keepparts(T, x, y);
}

void div() {
    if (!infixready({"nothing to divide : ", "cant / comands : "})) return;
    const lm& left = *T->prev;
    const lm& right = *T->next;
    double x, y;
    bool scaled = scaledparts(left, right, true, x, y);
    infixdone(left.radius / right.radius, left.angle - right.angle, left.dim - right.dim);
    if (scaled) keepparts(T, x, y);
}

}  // namespace ops
