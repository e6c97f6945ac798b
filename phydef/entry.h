// The entry that phydef appends to the unit-macro file.
#pragma once

#include <string>

struct Definition {
    const char* name = nullptr;
    const char* unit = nullptr;  // unit text, rewritten
    const char* add1 = nullptr;  // offset ahead of the factor
    const char* mult = nullptr;  // factor
    const char* add2 = nullptr;  // offset after the factor
};

constexpr std::size_t REWRITE_SIZE = 500;

// The unit text in token notation: blanks, '/', '*' and '^' become operators
// inside brackets.  False when the rewrite does not fit REWRITE_SIZE bytes.
bool rewriteunit(const char* text, std::string& rewritten);

// The line to append: "#name= " and the pieces, ending "_\n".
std::string entryline(const Definition& d);
