// String routines shared by phycalc and phydef.
#pragma once

#include <cstddef>
#include <istream>

// True when a is not empty and b begins with a.
char comps(const char* a, const char* b);

// a followed by b in a new array (delete[] it).
char* strplus(const char* a, const char* b);

constexpr std::size_t WORD_READ_MAX = 4096;

// Reads the next whitespace-separated word into field (size bytes, NUL included).
// A longer word is cut to the field and its rest dropped; a word that runs on
// beyond WORD_READ_MAX characters ends the reading of the stream.  Returns
// false, leaving the field as it was, when the stream holds no further word.
bool readword(std::istream& in, char* field, std::size_t size);

// Copies source into field (size bytes), cut to fit and always terminated.
void copycut(char* field, const char* source, std::size_t size);
