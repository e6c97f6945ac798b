// "--list [PATTERN]": the names of the definition files, with their values.
#pragma once

#include <string>
#include <vector>

// The names that the formula file, the user's units and the unit-macro file
// define, in that order and in file order.
std::vector<std::string> definednames();

// Writes each name of the formula file and of the unit-macro file that holds
// pattern (letter case aside; "" holds every name), with its value in the
// readable form, one a line.  Returns the exit status: 0, or 1 when no name
// matched.
int listnames(const char* pattern);
