// The one conversion between the stored polar form of a value and its
// cartesian parts.
#pragma once

// k when angle is a whole number k of quarter turns: within two units in the
// last place of k * (pi/2), |k| <= 2^20.  Such angles come from i, from sums
// on an axis and from their products, and their cosine and sine are exact.
bool quarterturns(double angle, long& k);

// The cosine and sine of angle, exactly 0 and +-1 at a quarter turn.
void cossin(double angle, double& c, double& s);

// x + i*y = radius * e^(i*angle).  A zero cosine or sine gives a +0 part,
// also against an infinite radius; a zero imaginary part is +0.
void tocartesian(double radius, double angle, double& x, double& y);

// radius >= 0 and angle in (-pi, pi] of x + i*y, both to full precision and
// without overflow or underflow of the parts; 0 has angle 0.
void topolar(double x, double y, double& radius, double& angle);

// The same value with radius >= 0 and angle in (-pi, pi]: the principal
// angle, which multi-valued functions start from.
void principal(double& radius, double& angle);
