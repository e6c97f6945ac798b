// Definition files: entries '#name=definition', whitespace carrying no meaning.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text after each '#' of the file at path, whitespace dropped, in file order.
// Empty when the file cannot be read.
std::vector<std::string> readentries(const char* path);

// True when entry defines name: its text is name followed directly by '='.
bool defines(std::string_view entry, std::string_view name);
