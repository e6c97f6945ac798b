// String routines shared by phycalc and phydef.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <istream>
#include <string_view>
#include <unordered_map>

// True when a is not empty and b begins with a.
char comps(const char* a, const char* b);

// The first of a list of names that a text is a non-empty start of (as comps
// tests it), found with one hash lookup of the text instead of a comparison
// with every name.  The names must outlive the index.
class PrefixIndex {
public:
    PrefixIndex() = default;
    explicit PrefixIndex(std::initializer_list<const char*> names);
    // Puts name at the end of the list.
    void add(const char* name);
    // The position of that name in the list, or -1.
    int first(const char* text) const;

private:
    std::unordered_map<std::string_view, int> starts_;
    int size_ = 0;
};

// a followed by b in a new array (delete[] it).
char* strplus(const char* a, const char* b);

constexpr std::size_t WORD_READ_MAX = 4096;

// Reads the next whitespace-separated word into field (size bytes, NUL included).
// A longer word is cut to the field and its rest dropped; a word that runs on
// beyond WORD_READ_MAX characters ends the reading of the stream.  Returns
// false, leaving the field as it was, when the stream holds no further word.
bool readword(std::istream& in, char* field, std::size_t size);

// text without the whitespace at either end.
std::string_view trimmed(std::string_view text);

// Copies source into field (size bytes), cut to fit and always terminated.
void copycut(char* field, const char* source, std::size_t size);
