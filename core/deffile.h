// Definition files: entries '#name=definition', whitespace carrying no meaning.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class DefFile {
public:
    // Reads the file at path; a file that cannot be read has no entries.
    explicit DefFile(const char* path);
    DefFile(const DefFile&) = delete;
    DefFile& operator=(const DefFile&) = delete;

    bool readable() const { return readable_; }

    // The text after each '#', whitespace dropped, in file order.
    const std::vector<std::string_view>& entries() const { return entries_; }

private:
    bool readable_ = false;
    std::string content_;
    std::vector<std::string_view> entries_;
};

// True when entry defines name: its text is name followed directly by '='.
bool defines(std::string_view entry, std::string_view name);

// True when an expression can hold name as a word that the lookup finds: it
// begins with an ASCII letter and holds nothing the pre-pass splits off.
bool findablename(const char* name);
