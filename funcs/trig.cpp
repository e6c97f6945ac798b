#include <cmath>

#include "core/polar.h"
#include "funcs.h"
#include "prefix.h"

namespace funcs {

namespace {
// The function f of the operand's complex value.
template <complex (*f)(const complex&)>
void complexfunction(const lm& z, lm& result) {
    store(result, f(cartesian(z)));
}

// w, C's sin, cos or tan of a complex argument z whose real part is within two
// units in the last place of a whole number of quarter turns (asin 2 is
// pi/2 + 1.317i): a part of the result below the rounding of the other, what
// the rounding of that real part alone makes of it, is exactly 0, as the
// polar form's quarter turns are exact.  So cos(acos(-3)) is -3 with no
// imaginary part of 1e-16, and tan(asin 2) is imaginary.
complex onquarterturns(const complex& z, complex w) {
    long k;
    if (z.imag() == 0 || !quarterturns(z.real(), k)) return w;
    if (std::fabs(w.real()) <= 0x1p-51 * std::fabs(w.imag()))
        w.real(0);
    else if (std::fabs(w.imag()) <= 0x1p-51 * std::fabs(w.real()))
        w.imag(0);
    return w;
}

complex sine(const complex& z) { return onquarterturns(z, std::sin(z)); }
complex cosine(const complex& z) { return onquarterturns(z, std::cos(z)); }
complex tangent(const complex& z) { return onquarterturns(z, std::tan(z)); }
complex arcsine(const complex& z) { return std::asin(z); }
complex arccosine(const complex& z) { return std::acos(z); }
complex arctangent(const complex& z) { return std::atan(z); }
}  // namespace

void C_sin() { prefix({"nothing to sin : ", "cant sin comands : "}, "sin of units : ", complexfunction<sine>); }
void C_cos() { prefix({"nothing to cos : ", "cant cos comands : "}, "cos of units : ", complexfunction<cosine>); }
void C_tan() { prefix({"nothing to tan : ", "cant tan comands : "}, "tan of units : ", complexfunction<tangent>); }
void C_asin() { prefix({"nothing to asin : ", "cant asin comands : "}, "asin of units : ", complexfunction<arcsine>); }
void C_acos() {
    prefix({"nothing to acos : ", "cant acos comands : "}, "acos of units : ", complexfunction<arccosine>);
}
void C_atan() {
    prefix({"nothing to atan : ", "cant atan comands : "}, "atan of units : ", complexfunction<arctangent>);
}

}  // namespace funcs
