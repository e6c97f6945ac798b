// What a person probably meant by a name that is not defined.
#pragma once

#include <string>
#include <vector>

// At most three of names (sorted), most likely first: those that differ from
// word only in letter case, then the singular of a plural, then, for a word
// of four letters or more, those within one edit (two from seven letters).
std::vector<std::string> suggestions(const std::string& word, const std::vector<std::string>& names);

// Writes the suggestions for word, from the names of the definition files and
// the keywords, as one line on standard error; nothing when none is close.
void suggestfor(const char* word);
