#include "deffile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {
// The whitespace that the formatted reading of a stream skips.
bool iswhitespace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
}  // namespace

DefFile::DefFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return;
    readable_ = true;
    std::ostringstream whole;
    whole << file.rdbuf();
    content_ = std::move(whole).str();
    content_.erase(std::remove_if(content_.begin(), content_.end(), iswhitespace), content_.end());
    std::string_view text = content_;
    for (std::size_t hash = text.find('#'); hash != std::string_view::npos;) {
        std::size_t next = text.find('#', hash + 1);
        entries_.push_back(text.substr(hash + 1, next == std::string_view::npos ? next : next - hash - 1));
        hash = next;
    }
}

bool defines(std::string_view entry, std::string_view name) {
    return entry.size() > name.size() && entry.substr(0, name.size()) == name && entry[name.size()] == '=';
}

// The longest word the working text of an expression can hold.
constexpr std::size_t NAME_MAX_LENGTH = 999;

bool findablename(const char* name) {
    if (!std::isalpha(static_cast<unsigned char>(name[0]))) return false;
    if (std::strlen(name) > NAME_MAX_LENGTH) return false;
    for (const char* p = name; *p; ++p)
        if (std::isspace(static_cast<unsigned char>(*p)) || std::strchr("#=_$+-*/^!(){}%", *p)) return false;
    return true;
}
