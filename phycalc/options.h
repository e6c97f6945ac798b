// The command line of phycalc: which arguments are options, which are
// expressions, and what the output options set.
#pragma once

// An argument of "--" and a letter: an option of its own, hiding nothing.
bool islongoption(const char* arg);

// The first long option that phycalc does not know, or null.
const char* unknownoption(int argc, char** argv);

// Whether option stands among the arguments.
bool hasargument(int argc, char** argv, const char* option);

// "--check", alone but for "-u" and "-f" options: check the definition files.
bool checkrequested(int argc, char** argv);

// "--list" and at most one pattern after it, alone but for "-u" and "-f"
// options: the pattern ("" without one), or null when the arguments ask for
// something else.
const char* listrequested(int argc, char** argv);

// Sets the output form, number format and precision from "-cr", "-S1".."-S3"
// and "-p" (each acts when it is not the last argument).  Returns whether a
// number format was given.
bool setoutputform(int argc, char** argv);

// The readable form: exponents as " m^2 kg s^-2", the general number format.
void readableform();

// Whether arg is evaluated, with before the argument in front of it: any
// argument that begins with one '-' hides the one after it, unless it is
// "-q".
bool isexpression(const char* arg, const char* before);

// For an argument that is not evaluated though it looks like an expression,
// a note on standard error with the way to write it.
void notehidden(const char* arg, const char* before);
