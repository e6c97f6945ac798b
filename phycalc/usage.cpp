#include "usage.h"

const char* const PHYCALC_USAGE = R"(Usage: phycalc [OPTION]... [EXPRESSION]... [-]
Evaluates each expression, a complex number with physical dimensions, and
prints one line for it: the value, then the exponents of its dimensions.
A lone - at the end reads more expressions from standard input, one a line;
with no arguments at a terminal, phycalc asks for them with a prompt.

Options:
  -cr          results in cartesian form (default: polar)
  -S1 -S2 -S3  general, scientific (default) or fixed number format
  -p N         precision N (default 12)
  -u FILE      unit-names file: display names and the unit-macro file
  -f FILE      formula file: named sub-expressions
  -q           evaluate the next argument even if it begins with -
  --readable   results for people: 7200000 m^2 kg s^-2 (the prompt's form)
  --check      check the entries of the -u and -f files instead
  --help       this text
  --version    the version
Any other argument that begins with one - hides the argument after it.

Examples:
  phycalc -u si.names '60*mph -> km/h'  a value in the unit you want
  phycalc '2*(3+4)'                     arithmetic
  phycalc -cr -q '(1+i)^2'              complex numbers, cartesian form
  phycalc 'sqrt 2' 'sin(pi/6)' 'log 2 8'  functions
  phycalc '3{$m 1 $s -1}*2{$s 1}'       dimensions: 6 m
  phycalc -u si.names '5*km+300*m'      the unit library (share/phycalc)
  phycalc 5=x '%x^2'                    variables
  phycalc -f shapes 'func(2 3 4) hyp'   formulas and user functions
  printf '1+2\n3*4\n' | phycalc -       standard input

PHYCALC_UNITS names a unit-names file read before the command line.
Exit status: 0; 1 after exit, quit or stop; 2 when standard input fails.
The manual: man phycalc (the language, every message), man phydef.
)";
