// The calling contract of operator and function routines: operands are the
// neighbours of T; a missing operand or one that is not a number ends the
// expression with the routine's message; the result goes into an existing node
// and the nodes consumed are unlinked and freed.
#pragma once

#include "core/quantity.h"

// The two failure messages of a routine.
struct OpMessages {
    const char* nothing;   // operand missing
    const char* commands;  // operand not a number
};

// Writes message, frees the list and returns false.
bool fail(const char* message);

// Writes a warning; the computation goes on.
void warn(const char* message);

// How many messages and warnings have been written so far in this run.
long messagecount();

// Checks T->prev and T->next (presence of both first, then kinds).
bool infixready(const OpMessages& messages);
// Checks T->prev.
bool postfixready(const OpMessages& messages);
// Checks the count nodes after T.
bool prefixready(const OpMessages& messages, int count = 1);

// The left operand takes the result; the operator and the right operand go.
void infixdone(double radius, double angle, const unit& dim);
// The left operand takes the result; the operator goes.
void postfixdone(double radius, double angle);
// T takes the result (its own dimension stays); the count operands after it go.
void prefixdone(double radius, double angle, int count = 1);
// The same with the value of result, its parts included.
void prefixdone(const lm& result, int count = 1);

// The node becomes a number radius at angle, without cartesian parts.
void setvalue(lm* node, double radius, double angle);

// The node keeps x + i*y as its parts, when both are finite and neither is 0:
// the polar form holds a value on an axis exactly (its quarter turns are
// exact), and an infinite or NaN part would say less than it does.
void keepparts(lm* node, double x, double y);

// The same value with a non-negative modulus: -r at a + pi for a negative r.
void positivemodulus(double& radius, double& angle);
