// "--help" and "--version", the same for both programs.
#pragma once

// When the first argument is "--help" or "--version", writes usage or the
// version of program to standard output and returns true.
bool about(int argc, char** argv, const char* program, const char* usage);

// The version of the programs, as CMakeLists.txt gives it.
const char* programversion();
