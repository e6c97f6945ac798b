// The files that "-u" and "-f" name.
#pragma once

#include <string>

// A bare name (no '/') that names no file: the unit-names file of the library
// of that name installed with the program ("si": si.names beside the program
// in a build tree, or in ../share/phycalc/ of an installation).  Any other
// path as it is.
std::string librarypath(const char* name);

// Reads the eight words of a unit-names file (or library, as librarypath
// finds it) into the display names and MACNAME; the words a file lacks keep
// their values.  A file that cannot be read, or a unit-macro file it names
// that cannot, is noted on standard error.
void readunitnames(const char* path);

// Makes path the formula file and reads its title.
void readformulafile(const char* path);
