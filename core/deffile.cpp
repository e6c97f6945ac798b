#include "deffile.h"

#include <cctype>
#include <fstream>
#include <iterator>

std::vector<std::string> readentries(const char* path) {
    std::vector<std::string> entries;
    std::ifstream file(path, std::ios::binary);
    if (!file) return entries;
    std::string content;
    for (std::istreambuf_iterator<char> it(file), end; it != end; ++it)
        if (!std::isspace(static_cast<unsigned char>(*it))) content += *it;
    for (std::size_t hash = content.find('#'); hash != std::string::npos;) {
        std::size_t next = content.find('#', hash + 1);
        entries.push_back(content.substr(hash + 1, next == std::string::npos ? next : next - hash - 1));
        hash = next;
    }
    return entries;
}

bool defines(std::string_view entry, std::string_view name) {
    return entry.size() > name.size() && entry.substr(0, name.size()) == name && entry[name.size()] == '=';
}
