// Process-wide settings of phycalc, set from the command line and the unit-names file.
#pragma once

extern char how223;  // 1: results in polar form, 0: cartesian

// Display names of the dimensions, printed beside a result's exponents.
extern char LENGTH[10];
extern char MASS[10];
extern char TIME[10];
extern char TEMP[10];
extern char CHARGE[10];
extern char MOLE[10];

extern char UNAME[350];      // name of the unit system
extern char MACNAME[300];    // path of the unit-macro file
extern char FORMNAME[350];   // path of the formula file; empty: none
extern char FORMTYTLE[350];  // first word of the formula file
