// Shared steps of the prefix functions.
#pragma once

#include <complex>

#include "core/quantity.h"
#include "ops/contract.h"
#include "ops/ops.h"

using complex = std::complex<double>;

// The operand's value from its parts; a zero imaginary part is +0, a quarter
// turn exact.
complex cartesian(const lm& node);

// Runs a function of the operand T->next: checks, the dimension warning (when
// unitwarning is given and the operand has a dimension), then T takes the value
// that compute writes into its result, keeping its own dimension.
template <class Compute>
void prefix(const OpMessages& messages, const char* unitwarning, Compute compute) {
    if (!prefixready(messages)) return;
    const lm& operand = *T->next;
    if (unitwarning && !operand.dim.u0()) warn(unitwarning);
    lm result;
    compute(operand, result);
    prefixdone(result);
}

// result becomes w: radius and angle (a real w at angle 0 with its sign in
// the radius, a w with a NaN part NaN in both) and w's parts.
void store(lm& result, complex w);
