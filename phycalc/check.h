// The check of the definition files that an expression would use.
#pragma once

// Evaluates every entry of the unit-macro file (MACNAME) and of the formula
// file (FORMNAME) and writes one line per problem to standard output, then one
// summary line per file.  Returns the exit status: 0 when no problem was found.
int checkdefinitions();
