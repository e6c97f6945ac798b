// The entries of a definition file, indexed by name and kept while the file
// is unchanged.
#pragma once

#include <string_view>

// The definition that the lookup of word finds: the first entry, in file
// order, whose text is word followed directly by '='.  False when none is.
class DefLookup {
public:
    virtual ~DefLookup() = default;
    virtual bool find(std::string_view word, std::string_view& definition) const = 0;
};

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
