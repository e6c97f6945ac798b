// The words of the language, in one table: what each runs, and the priority it
// takes.  The dispatch of the evaluation loop, the priority pass and the check
// of definition files read it.
#pragma once

enum class WordKind {
    INFIX,     // operands on both sides
    PREFIX,    // a function: its operand after it
    POSTFIX,   // its operand before it
    CONSTANT,  // a value of its own
    UNIT,      // a unit operator: adds the number after it to an exponent
    STORE,     // "c=" and its variable letter
    RECALL,    // "c%" and its variable letter
    OPEN,      // a bracket or a brace; runs nothing
    CLOSE,
    CALL,     // "func": binds the values after it to the parameters
    COMMAND,  // works on the list itself
};

// How the priority pass knows a command text for the word.
enum class Match {
    SYMBOL,  // the text's second character is the symbol's ("c" and the character the pre-pass spelled)
    FIRST,   // the text begins with the word's first character
    START,   // the text is a non-empty start of the word
    WHOLE,   // the text is the word
    NONE,    // only the dispatch knows it
};

struct Word {
    const char* spelling;  // as the tokeniser hands it on
    void (*routine)();     // null: runs nothing
    WordKind kind;
    Match match;
    int priority;        // added to the bracket level
    bool functionpoint;  // one more for every text that starts the word
    const char* about;   // what "help WORD" says
};

// The word that a command text runs: the first word with a routine that the
// text is a non-empty start of; a text that begins with "c=" or "c%" stores or
// recalls a variable.  Null: none (a syntax error).
const Word* wordrun(const char* text);

// The word whose priority a command text takes: the first word, in the order
// of the table, that knows the text by its match.  Null: none (offset 0).
const Word* priorityword(const char* text);

// Whether a text starts a word that takes the function point.
bool functionpoint(const char* text);

// The symbol word of a pre-pass character ('+' gives "c+"), or null.
const Word* symbolword(char c);

// The word spelled name, or null.
const Word* wordnamed(const char* name);

// Whether a person types the word by its name: a word of letters that runs
// something, or help (not the pre-pass's spellings of symbols, "c+") (what Tab and the shells' completions offer).
bool typedbyname(const Word& word);

// Every word, in the order of the table; count set to their number.
const Word* allwords(int& count);
