// One run of phydef on its command line.
#pragma once

// Appends the entry the arguments define, or refuses with a message on
// standard error.  Returns the exit status: 0 appended, 1 nothing appended.
int runphydef(int argc, char** argv);
