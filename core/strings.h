// String routines shared by phycalc and phydef.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// True when a is not empty and b begins with a.
char comps(const char* a, const char* b);

// The first of a list of names that a text is a non-empty start of (as comps
// tests it), found among the names with the text's first character only.  It
// is built at compile time, so a program start costs nothing for it.  The
// names must outlive the index; at most CAPACITY of them.
template <int CAPACITY>
class PrefixIndex {
public:
    constexpr PrefixIndex() {
        for (int& position : head_) position = -1;
        for (int& position : tail_) position = -1;
    }
    // Puts name at the end of the list.
    constexpr void add(const char* name) {
        unsigned char initial = static_cast<unsigned char>(name[0]);
        names_[size_] = name;
        next_[size_] = -1;
        if (tail_[initial] < 0)
            head_[initial] = size_;
        else
            next_[tail_[initial]] = size_;
        tail_[initial] = size_++;
    }
    // The position of that name in the list, or -1.
    constexpr int first(const char* text) const {
        if (!text[0]) return -1;
        for (int k = head_[static_cast<unsigned char>(text[0])]; k >= 0; k = next_[k])
            if (startof(text, names_[k])) return k;
        return -1;
    }
    constexpr int size() const { return size_; }

private:
    static constexpr bool startof(const char* text, const char* name) {
        while (*text)
            if (*text++ != *name++) return false;
        return true;
    }
    const char* names_[CAPACITY] = {};
    int next_[CAPACITY] = {};  // the next name with the same first character
    int head_[256] = {};       // the first name with that first character
    int tail_[256] = {};       // and the last
    int size_ = 0;
};

// a followed by b in a new array (delete[] it).
char* strplus(const char* a, const char* b);

constexpr std::size_t WORD_READ_MAX = 4096;

// Reads the next whitespace-separated word of text into field (size bytes, NUL
// included) and takes it off text.  A longer word is cut to the field and its
// rest dropped; a word that runs on beyond WORD_READ_MAX characters ends the
// reading of text.  Returns false, leaving the field as it was, when text
// holds no further word.
bool readword(std::string_view& text, char* field, std::size_t size);

// text without the whitespace at either end.
std::string_view trimmed(std::string_view text);

// Copies source into field (size bytes), cut to fit and always terminated.
void copycut(char* field, const char* source, std::size_t size);

// The singulars an English plural may have, most likely first: "feet" foot,
// "henries" henry, "calories" calorie, "inches" inch, "miles" mile.
std::vector<std::string> singulars(const std::string& word);

// text in lower case (ASCII letters).
std::string lowered(std::string_view text);

// Calls each(line) for every line of text, the '\n' dropped.
template <class Each>
void eachline(std::string_view text, Each each) {
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        each(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}
