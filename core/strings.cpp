#include "strings.h"

#include <algorithm>
#include <cctype>
#include <cstring>

char comps(const char* a, const char* b) {
    std::size_t i = 0;
    while (a[i] && b[i]) {
        if (a[i] != b[i]) return 0;
        ++i;
    }
    return a[i] == 0 && i > 0;
}

char* strplus(const char* a, const char* b) {
    std::size_t la = std::strlen(a), lb = std::strlen(b);
    char* joined = new char[la + lb + 5];
    std::memcpy(joined, a, la);
    std::memcpy(joined + la, b, lb);
    joined[la + lb] = 0;
    return joined;
}

bool readword(std::string_view& text, char* field, std::size_t size) {
    auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    std::size_t start = 0;
    while (start < text.size() && space(text[start])) ++start;
    if (start == text.size()) {
        text = {};
        return false;
    }
    std::size_t end = start;
    while (end < text.size() && !space(text[end])) ++end;
    std::size_t length = std::min(end - start, size - 1);
    std::memcpy(field, text.data() + start, length);
    field[length] = 0;
    // No word is that long: this is no text file.
    text = end - start > WORD_READ_MAX ? std::string_view() : text.substr(end);
    return true;
}

void copycut(char* field, const char* source, std::size_t size) {
    std::size_t length = std::strlen(source);
    if (length >= size) length = size - 1;
    std::memcpy(field, source, length);
    field[length] = 0;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

std::vector<std::string> singulars(const std::string& word) {
    std::vector<std::string> forms;
    auto endswith = [&](std::string_view end) {
        return word.size() > end.size() && word.compare(word.size() - end.size(), end.size(), end) == 0;
    };
    auto cut = [&](std::size_t n) { return word.substr(0, word.size() - n); };
    if (word == "feet") forms.emplace_back("foot");
    if (endswith("ies")) forms.push_back(cut(3) + "y");  // henries
    // "es" after a hissing sound (inches, boxes), else just the "s" (miles).
    for (std::string_view end : {"ches", "shes", "sses", "xes", "zes"})
        if (endswith(end)) forms.push_back(cut(2));
    if (endswith("s") && !endswith("ss")) forms.push_back(cut(1));
    return forms;
}

std::string lowered(std::string_view text) {
    std::string low(text);
    for (char& c : low) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return low;
}
