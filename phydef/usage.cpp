#include "usage.h"

const char* const PHYDEF_USAGE = R"(Usage: phydef [-u FILE] 'NAME = EXPRESSION'
       phydef [-u FILE] -name NAME [-unit UNIT] [-mult F] [-add1 A] [-add2 B]
'NAME = EXPRESSION' defines a unit as the library does (smoot = 1.7018*m),
evaluated with the library (or -u FILE) and your own units, and appends it
to your own units, where it works as a plain name.
The options define the unit NAME from the unit UNIT, a factor F and
offsets A (before the factor) and B (after it), and append it to the
unit-macro file that the unit-names file names, unless that file already
defines NAME; such an entry is used in braces, 5{km 1}.

Options (each may be shortened while it stays unambiguous: -n, -m):
  -u FILE      unit-names file (default: the file PHYCALC_UNITS names)
  -name NAME   name of the new unit: a letter, then no blank or operator
  -unit UNIT   the unit it is built on, such as $m or '$m/$s^2'
  -mult F      factor
  -add1 A      offset ahead of the factor
  -add2 B      offset after the factor
  --help       this text
  --version    the version

Examples:
  phydef 'smoot = 1.7018*m'
  phycalc -u si '364.4*smoot -> m'     620.13592 m
  phydef -u names -name km -unit '$m' -mult 1000
  phycalc -u names '5{km 1}'           5000 m: use it in braces, exponent 1

Exit status: 0 when the entry was appended; 1 when nothing was appended,
with the reason on standard error and the file as it was; 2 when this text
could not be written.
The manual: man phydef.
)";
