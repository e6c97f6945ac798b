// Names in the working text are replaced by the definitions of a file of entries
// '#name=definition' (whitespace carries no meaning in the file).  The file is
// read once per pass into an index; the scan starts again at the beginning of
// the text after every replacement, so definitions may use other names.
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/deffile.h"
#include "frontend.h"

namespace {
constexpr int MAX_REPLACEMENTS = 10000;

class DefIndex {
public:
    void load(const char* path) {
        entries = readentries(path);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            std::string_view entry = entries[k];
            std::size_t equals = entry.find('=');
            if (equals != std::string_view::npos) byname.emplace(entry.substr(0, equals), k);
        }
    }

    // The definition of word, or false when no entry names it.
    bool find(std::string_view word, std::string_view& definition) const {
        if (word.find('=') == std::string_view::npos) {
            auto it = byname.find(word);
            if (it == byname.end()) return false;
            definition = std::string_view(entries[it->second]).substr(word.size() + 1);
            return true;
        }
        // A word holding '=' can still match an entry whose text begins with it.
        for (std::string_view entry : entries)
            if (defines(entry, word)) {
                definition = entry.substr(word.size() + 1);
                return true;
            }
        return false;
    }

private:
    std::vector<std::string> entries;  // the text after each '#'
    std::unordered_map<std::string_view, std::size_t> byname;
};

// Names start at the beginning of a word or right after a number (5km);
// letters inside a word are not looked up on their own.
bool candidate(const char* work, int pos) {
    if (!std::isalpha(static_cast<unsigned char>(work[pos]))) return false;
    if (pos == 0) return true;
    char before = work[pos - 1];
    return before == ' ' || std::isdigit(static_cast<unsigned char>(before)) || before == '.';
}

// The blank in front keeps an insertion apart from a number before it.
std::string insertion(std::string_view definition, Notation notation) {
    std::string text = " ";
    char prev = ' ', prevprev = ' ';
    for (char c : definition) {
        const char* spelled = notation == Notation::FORMULA ? spell(c, prev, prevprev, true) : nullptr;
        if (spelled)
            text += spelled;
        else
            text += (c == '_' ? ' ' : c);
        prevprev = prev;
        prev = c;
        if (text.size() > static_cast<std::size_t>(WORK_MAX)) break;  // the rest is cut anyway
    }
    text += ' ';
    return text;
}

void replace(char* work, int pos, int end, const std::string& text) {
    std::string result(work, pos);
    result += text;
    result += work + end;
    if (result.size() > static_cast<std::size_t>(WORK_MAX)) result.resize(WORK_MAX);
    std::memcpy(work, result.c_str(), result.size() + 1);
}
}  // namespace

bool expanddefs(char* work, const char* path, Notation notation) {
    DefIndex index;
    bool loaded = false;
    int replacements = 0;
    for (int pos = 0; work[pos] && pos < WORK_MAX;) {
        if (!candidate(work, pos)) {
            ++pos;
            continue;
        }
        if (!loaded) {
            index.load(path);
            loaded = true;
        }
        int end = pos;
        while (work[end] && work[end] != ' ') ++end;
        std::string_view definition;
        if (!index.find(std::string_view(work + pos, end - pos), definition)) {
            ++pos;
            continue;
        }
        if (++replacements > MAX_REPLACEMENTS) return false;
        replace(work, pos, end, insertion(definition, notation));
        pos = 0;
    }
    return true;
}
