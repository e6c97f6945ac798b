#include <algorithm>
#include <cstring>

#include "options.h"

namespace {
const char* const HEAD = R"(Usage: phycalc [OPTION]... [EXPRESSION]... [-]
Evaluates each expression, a complex number with physical dimensions, and
prints one line for it: the value, then the exponents of its dimensions.
With no arguments at a terminal, phycalc asks for them with a prompt.

Options:
)";

const char* const TAIL = R"(Any other argument that begins with one - hides the argument after it.

Examples:
  phycalc -u si '60*mph -> km/h'        a value in the unit you want
  phycalc '2*(3+4)'                     arithmetic
  phycalc -cr -q '(1+i)^2'              complex numbers, cartesian form
  phycalc 'sqrt 2' 'sin(pi/6)' 'log 2 8'  functions
  phycalc '3{$m 1 $s -1}*2{$s 1}'       dimensions: 6 m
  phycalc -u si '5*km+300*m' 3*meters   the unit library, plurals too
  phycalc 5=x '%x^2'                    variables
  phycalc -f shapes 'func(2 3 4) hyp'   formulas and user functions
  printf '1+2\n3*4\n' | phycalc -       standard input

PHYCALC_UNITS names a unit-names file read before the command line.
A name that is not defined gets suggestions on standard error.
Exit status: 0; 1 after exit, quit or stop, or when --check finds a problem
or --list no name; 2 when input or output fails, memory runs out or an
option is unknown or misplaced; 3 with --strict when an expression wrote a
message or came to nothing, or a note went to standard error.
The manual: man phycalc (the language, every message), man phydef.
)";
}  // namespace

std::string phycalcusage() {
    std::size_t width = 0;
    for (const Option& option : options())
        if (option.help) width = std::max(width, std::strlen(option.shown));
    std::string text = HEAD;
    for (const Option& option : options()) {
        if (!option.help) continue;
        text.append("  ").append(option.shown).append(width + 2 - std::strlen(option.shown), ' ');
        text.append(option.help).append("\n");
    }
    return text + TAIL;
}
