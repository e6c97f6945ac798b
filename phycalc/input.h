// Expressions read from standard input, one a line.
#pragma once

// Evaluates each line of standard input as a further expression argument.  At
// a terminal, with a prompt and line editing; Ctrl-C abandons the line being
// typed.  Returns the exit status: 0 at the end of the input, 2 after a read
// error (reported on standard error).
int readexpressions();
