// What a person at the prompt can ask: "help", "help WORD", and the words
// that Tab completes.
#pragma once

#include <string>
#include <vector>

// "help" prints a short guide and "help WORD" what a word of the language or
// a name of the definition files is; true when line asked for either.
bool answerhelp(const char* line);

// Evaluates line, or answers it when it asks for help.
void answer(const char* line);

// The keywords and the names of the definition files that begin with start,
// sorted.
std::vector<std::string> completions(const std::string& start);
