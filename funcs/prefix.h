// Shared steps of the prefix functions.
#pragma once

#include <complex>

#include "core/quantity.h"
#include "ops/contract.h"
#include "ops/ops.h"

using complex = std::complex<double>;

// The operand's value; a zero imaginary part is +0, a quarter turn exact.
complex cartesian(const lm& node);

// Runs a function of the operand T->next: checks, the dimension warning (when
// unitwarning is given and the operand has a dimension), then T takes the value
// that compute writes into radius and angle, keeping its own dimension.
template <class Compute>
void prefix(const OpMessages& messages, const char* unitwarning, Compute compute) {
    if (!prefixready(messages)) return;
    const lm& operand = *T->next;
    if (unitwarning && !operand.dim.u0()) warn(unitwarning);
    double radius, angle;
    compute(operand, radius, angle);
    prefixdone(radius, angle);
}

// radius and angle of w; a real w is stored at angle 0 with its sign in radius,
// a w with a NaN part has neither (both NaN).
void polar(complex w, double& radius, double& angle);
