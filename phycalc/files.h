// The files that "-u" and "-f" name.
#pragma once

// Reads the eight words of a unit-names file into the display names and
// MACNAME; the words a file lacks keep their values.
void readunitnames(const char* path);

// Makes path the formula file and reads its title.
void readformulafile(const char* path);
