// Where the files of the programs are: the library installed with them, and
// the user's own units.
#pragma once

#include <string>
#include <string_view>

// A bare name (no '/') that names no unit-names file here: the unit-names
// file of the library of that name installed with the program ("si": si.names
// beside the program in a build tree, or in ../share/phycalc/ of an
// installation), where there is one.  Any other path as it is.
std::string librarypath(const char* name);

// The eighth word of the text of a unit-names file, the path of its
// unit-macro file; empty when the text has fewer words.
std::string macrofileof(std::string_view head);

// Whether path is a regular file with the eight words of a unit-names file.
bool unitnamesfile(const char* path);

// Whether the unit-macro file at path is the one of the si library installed
// with the program (the same file, however it is named).
bool islibrary(const char* path);

// The user's own unit-macro file: $XDG_DATA_HOME/phycalc/units, or
// ~/.local/share/phycalc/units; empty when there is no home for it.
std::string userunits();

// The history of the prompt: $XDG_STATE_HOME/phycalc/history, or
// ~/.local/state/phycalc/history; empty when there is no home for it.
std::string historyfile();

// Makes the folders above path that are missing, with mode.
void makefolders(const std::string& path, unsigned mode = 0755);
