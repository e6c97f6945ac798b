#include <cmath>

#include "funcs.h"
#include "prefix.h"

namespace funcs {

namespace {
// The function f of the operand's complex value.
template <complex (*f)(const complex&)>
void complexfunction(const lm& z, double& radius, double& angle) {
    polar(f(cartesian(z)), radius, angle);
}

complex sine(const complex& z) { return std::sin(z); }
complex cosine(const complex& z) { return std::cos(z); }
complex tangent(const complex& z) { return std::tan(z); }
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
