// The files that "-u" and "-f" name.
#pragma once

// Reads the eight words of a unit-names file (or library, as librarypath
// finds it) into the display names and MACNAME; the words a file lacks keep
// their values.  A file that cannot be read, or a unit-macro file it names
// that cannot, is noted on standard error.  With the si library comes the
// user's own unit-macro file, when there is one.
void readunitnames(const char* path);

// Makes path the formula file and reads its title.
void readformulafile(const char* path);
