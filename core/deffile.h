// Definition files: entries '#name=definition', whitespace carrying no meaning.
#pragma once

#include <string>
#include <string_view>
#include <vector>

constexpr unsigned long long DEFFILE_MAX = 64ull << 20;

class DefFile {
public:
    enum class Status { READ, MISSING, TOO_LARGE };

    // Reads the file at path; a file that cannot be read has no entries, and
    // neither has one larger than DEFFILE_MAX bytes.
    explicit DefFile(const char* path);
    DefFile(const DefFile&) = delete;
    DefFile& operator=(const DefFile&) = delete;

    Status status() const { return status_; }
    bool readable() const { return status_ == Status::READ; }
    // The message for a file that was too large to read.
    static std::string toolarge(const char* path);

    // The text after each '#', whitespace dropped, in file order.
    const std::vector<std::string_view>& entries() const { return entries_; }

private:
    Status status_;
    std::string content_;
    std::vector<std::string_view> entries_;
};

// Reads the whole of a regular file of at most DEFFILE_MAX bytes into
// content.  Devices and FIFOs are never read: they could block or never end.
DefFile::Status readall(const char* path, std::string& content);

constexpr std::size_t WORDS_FILE_MAX = 1 << 20;

// Makes text the whole of the file at path: written beside it first (path
// ".partial") and then put in its place, so that no reader sees half of it.
// False, with errno set and nothing left beside it, when that fails.
bool replacefile(const char* path, std::string_view text, unsigned mode);

// Reads the first WORDS_FILE_MAX bytes of the file at path (a unit-names or
// formula file, read word by word) into head; false when it cannot be opened.
// A FIFO without a writer reads as empty instead of being waited for, and a
// file that never ends (a device) is read no further.
bool readhead(const char* path, std::string& head);

// True when entry defines name: its text is name followed directly by '='.
bool defines(std::string_view entry, std::string_view name);

// True when an expression can hold name as a word that the lookup finds: it
// begins with an ASCII letter and holds nothing the pre-pass splits off.
bool findablename(const char* name);
