// From an expression string to the expression list: the spaced working text,
// the expansion of names from definition files, and the token nodes.
#pragma once

constexpr int WORK_SIZE = 3000;  // size of the working-text buffer
constexpr int WORK_MAX = 999;    // characters kept ahead of the terminator

// The characters that stand for c in the working text, or null when c stands for
// itself.  prev and prevprev are the two raw characters before c.  With
// underscoreblank, '_' becomes a blank (formula definitions).
const char* spell(char c, char prev, char prevprev, bool underscoreblank);

// Fills work (WORK_SIZE bytes) with the spaced form of expr.
void prepass(const char* expr, char* work);

enum class Notation { FORMULA, MACRO };

constexpr int MAX_REPLACEMENTS = 10000;

enum class Expansion {
    DONE,
    ENDLESS,  // more than maxreplacements would be needed: the definitions do not come to an end
    CUT,      // it came to an end, but a replacement made the text longer than WORK_MAX characters
};

// Replaces the names of the definition file at path in work (read through the
// copy that definitions() keeps, see defindex.h).  With plurals, a word that
// is no name but the plural of one of three letters or more is that name.
Expansion expanddefs(char* work, const char* path, Notation notation, bool plurals = false,
                     int maxreplacements = MAX_REPLACEMENTS);

// What the words of work, the working text made from expr, can be, for
// expansion.  NONE: no word begins with a letter, so none is looked up.
// SYMBOLS: expr holds no letter, '=' or '%', so the only such words are the
// pre-pass's symbol words ("c+", "c(").  ANY: any word, also when the
// working text was cut (a symbol word cut to "c" is a name of its own).
enum class Words { NONE, SYMBOLS, ANY };
Words wordsof(const char* expr, const char* work);

// Whether the definition file at path has a name that a symbol word of the
// pre-pass can be (its first two characters "c(", "c+" ...), as expanddefs
// would look it up.
bool symbolnames(const char* path);

// Builds the list from work: S and C on the first node, or null for no word.
void tokenise(const char* work);
