// Operator routines.  Each works on the list around T (see contract.h).
#pragma once

#include "core/quantity.h"

namespace ops {

// x + i*y as a sum stores it: the modulus, and the angle in (-3pi/2, pi/2].
void storecartesian(double x, double y, double& radius, double& angle);
// That angle alone.
double atanr(double y, double x);

// The parts of a * b, or a / b, when one operand lies exactly on an axis (a
// real, or a real times i, without parts) and the other has parts: each part
// times or by a real is exact to rounding, and a real by x + i*y is C's
// complex division.
bool scaledparts(const lm& a, const lm& b, bool divide, double& x, double& y);

void add();
void sub();
void mult();
void div();

void pow();
void root();
void Azeret();

void UM();
void UK();
void US();
void UD();
void UC();
void Un();

void C_varib();
void C_varibp();
void C_func();
void C_dln();

// Starts the count of variable recalls of one expression.
void resetrecalls();

}  // namespace ops
