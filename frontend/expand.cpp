// Names in the working text are replaced by the definitions of a file of entries
// '#name=definition' (whitespace carries no meaning in the file).  Definitions
// may use other names: what a replacement inserts is scanned like the rest.
#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "core/strings.h"
#include "defindex.h"
#include "frontend.h"

namespace {
// Names start at the beginning of a word or right after a number (5km);
// letters inside a word are not looked up on their own.
constexpr bool isletter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Where the scan stops: at a letter, which may start a name, and at the end.
constexpr std::array<bool, 256> STOPS = [] {
    std::array<bool, 256> stops{};
    for (int c = 0; c < 256; ++c) stops[c] = c == 0 || isletter(static_cast<char>(c));
    return stops;
}();

bool candidate(const char* work, int pos) {
    if (!isletter(work[pos])) return false;
    if (pos == 0) return true;
    char before = work[pos - 1];
    return before == ' ' || (before >= '0' && before <= '9') || before == '.';
}

// A plural of a name of three letters or more ("miles", "inches", "feet")
// finds that name's definition.
bool singularfound(const DefLookup& index, std::string_view word, std::string_view& definition) {
    if (word.size() < 4 || (word.back() != 's' && word != "feet") || word.find('=') != std::string_view::npos)
        return false;
    for (const std::string& singular : singulars(std::string(word)))
        if (singular.size() >= 3 && index.find(singular, definition)) return true;
    return false;
}

// The text put in place of a name, in a buffer of WORK_SIZE bytes; its length.
// The blank in front keeps it apart from a number before it.
int insertion(std::string_view definition, Notation notation, char* text) {
    int length = 0;
    auto put = [&](char c) { text[length++] = c; };
    put(' ');
    char prev = ' ', prevprev = ' ';
    for (char c : definition) {
        if (length > WORK_MAX) break;  // the rest is cut anyway
        const char* spelled = notation == Notation::FORMULA ? spell(c, prev, prevprev, true) : nullptr;
        if (spelled)
            while (*spelled) put(*spelled++);
        else
            put(c == '_' ? ' ' : c);
        prevprev = prev;
        prev = c;
    }
    put(' ');
    return length;
}

// work[pos, end) becomes text; the whole is cut after WORK_MAX characters.
// Returns false when it had to be cut.
bool replace(char* work, int pos, int end, const char* text, int length) {
    int room = WORK_MAX - pos;
    int tail = static_cast<int>(std::strlen(work + end));
    bool fits = length + tail <= room;
    if (length > room) length = room;
    if (tail > room - length) tail = room - length;
    std::memmove(work + pos + length, work + end, tail);
    std::memcpy(work + pos, text, length);
    work[pos + length + tail] = 0;
    return fits;
}
}  // namespace

namespace {
// The symbols that the pre-pass spells as a word "c" and the symbol.
constexpr std::string_view SPELLED = "(){}+-*/^!";

// For each character of an expression, what it lets a word of the working text be.
constexpr std::array<Words, 256> WORDS_OF = [] {
    std::array<Words, 256> words{};
    for (int c = 0; c < 256; ++c)
        if (isletter(static_cast<char>(c)) || c == '=' || c == '%') words[c] = Words::ANY;
    for (char c : SPELLED) words[static_cast<unsigned char>(c)] = Words::SYMBOLS;
    return words;
}();
}  // namespace

Words wordsof(const char* expr, const char* work) {
    if (std::strlen(work) >= WORK_MAX) return Words::ANY;
    Words words = Words::NONE;
    for (const char* at = expr; *at; ++at) {
        Words here = WORDS_OF[static_cast<unsigned char>(*at)];
        if (here == Words::ANY) return here;
        if (here == Words::SYMBOLS) words = here;
    }
    return words;
}

bool symbolnames(const char* path) {
    const DefLookup& index = definitions(path);
    for (char c : SPELLED)
        if (index.maybename('c', c)) return true;
    return false;
}

// The text before a replaced word stays as it was, and its candidates were not
// found; only those of the word that the replacement now ends can find
// something new.  So the scan goes on from the start of that word, which finds
// exactly what a scan from the start of the text would.
Expansion expanddefs(char* work, const char* path, Notation notation, bool plurals, int maxreplacements) {
    if (!path[0]) return Expansion::DONE;  // no file: no name to find
    static char text[WORK_SIZE + 8];
    const DefLookup* index = nullptr;  // read at the first name looked up
    int replacements = 0;
    bool cut = false;
    for (int pos = 0;;) {
        const char* at = work + pos;
        while (!STOPS[static_cast<unsigned char>(*at)]) ++at;  // most characters
        pos = static_cast<int>(at - work);
        if (!work[pos] || pos >= WORK_MAX) break;
        if (!candidate(work, pos)) {
            ++pos;
            continue;
        }
        if (!index) index = &definitions(path);
        bool maybe = index->maybename(work[pos], work[pos + 1]);
        if (!maybe && !plurals) {
            ++pos;
            continue;
        }
        int end = pos;
        while (work[end] && work[end] != ' ') ++end;
        std::string_view word(work + pos, end - pos), definition;
        if (!(maybe && index->find(word, definition)) && !(plurals && singularfound(*index, word, definition))) {
            ++pos;
            continue;
        }
        if (++replacements > maxreplacements) return Expansion::ENDLESS;
        if (!replace(work, pos, end, text, insertion(definition, notation, text))) cut = true;
        while (pos > 0 && work[pos - 1] != ' ') --pos;
    }
    return cut ? Expansion::CUT : Expansion::DONE;
}
