// The entries of a definition file, indexed by name and kept while the file
// is unchanged.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <unordered_map>

// The definition that the lookup of word finds: the first entry, in file
// order, whose text is word followed directly by '='.  False when none is.
class DefLookup {
public:
    virtual ~DefLookup() = default;
    virtual bool find(std::string_view word, std::string_view& definition) const = 0;

    // False when no name begins as a word that begins with first, second does
    // (second: the character after first in the text).  Most words are no
    // name: the pre-pass's own words ("c+", "c(") and numbers' neighbours;
    // this answers for them without a lookup.
    bool maybename(char first, char second) const {
        if (second == ' ' || second == '=') second = 0;  // a name of one character
        return starts_.test(static_cast<unsigned char>(first) << 8 | static_cast<unsigned char>(second));
    }

protected:
    // The first two characters of a name (the second 0 for a name of one).
    static std::size_t pairof(std::string_view name) {
        auto c = [](char ch) { return static_cast<std::size_t>(static_cast<unsigned char>(ch)); };
        return name.empty() ? 0 : c(name[0]) << 8 | (name.size() > 1 ? c(name[1]) : 0);
    }

    // The first two characters of every name, as pairof gives them.
    std::bitset<1 << 16> starts_;
};

// Definitions kept in memory instead of a file, one a name: the entries that
// the library builder has made so far, which each next entry may use.
class DefinitionsInMemory : public DefLookup {
public:
    // False, and nothing added, when name is defined already.
    bool add(const std::string& name, const std::string& definition);
    bool find(std::string_view word, std::string_view& definition) const override;

private:
    std::unordered_map<std::string, std::string> definitions_;
};

// From now on definitions(path) is store, without a file; null ends it.
void keepinmemory(const char* path, const DefinitionsInMemory* store);

// The index of the file at path.  The first time it is asked for after
// newinput(), one stat compares the file's device, inode, size, modification
// and change time with the copy in memory; a changed file is read again.
// Valid until the next call.
const DefLookup& definitions(const char* path);

// A new piece of input begins (the command line is one, so is each block of
// standard input read and each line typed): the files are compared again.
void newinput();

// Drops every copy, so that the next lookup reads its file again.
void forgetdefinitions();
