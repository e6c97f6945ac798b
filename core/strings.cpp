#include "strings.h"

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

bool readword(std::istream& in, char* field, std::size_t size) {
    in >> std::ws;
    if (!in || in.peek() == std::char_traits<char>::eof()) return false;
    std::size_t length = 0, consumed = 0;
    for (int c = in.peek(); c != std::char_traits<char>::eof() && !std::isspace(c); c = in.peek()) {
        if (++consumed > WORD_READ_MAX) {
            in.setstate(std::ios::failbit);  // no word is that long: this is no text file
            break;
        }
        in.get();
        if (length + 1 < size) field[length++] = static_cast<char>(c);
    }
    field[length] = 0;
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
