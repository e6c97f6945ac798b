// Names in the working text are replaced by the definitions of a file of entries
// '#name=definition' (whitespace carries no meaning in the file).  The file is
// read once per pass into an index; the scan starts again at the beginning of
// the text after every replacement, so definitions may use other names.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/deffile.h"
#include "frontend.h"

namespace {
// The entries of one file.  Most expressions look up only a few words, for
// which a scan of the entries is cheapest; a pass that looks up many builds a
// sorted index of the names.
class DefIndex {
public:
    explicit DefIndex(const char* path) : file(path) {
        if (file.status() == DefFile::Status::TOO_LARGE) std::cerr << DefFile::toolarge(path);
    }

    // The definition of word, or false when no entry names it.
    bool find(std::string_view word, std::string_view& definition) {
        if (word.find('=') == std::string_view::npos && ++lookups > SCANNED_LOOKUPS) return findsorted(word, definition);
        for (std::string_view entry : file.entries())
            if (defines(entry, word)) {
                definition = entry.substr(word.size() + 1);
                return true;
            }
        return false;
    }

private:
    static constexpr int SCANNED_LOOKUPS = 32;
    using Name = std::pair<std::string_view, std::size_t>;  // name up to the first '=', entry index

    bool findsorted(std::string_view word, std::string_view& definition) {
        const std::vector<std::string_view>& entries = file.entries();
        if (names.empty()) {
            for (std::size_t k = 0; k < entries.size(); ++k) {
                std::size_t equals = entries[k].find('=');
                if (equals != std::string_view::npos) names.emplace_back(entries[k].substr(0, equals), k);
            }
            std::sort(names.begin(), names.end());  // equal names in file order
        }
        auto it = std::lower_bound(names.begin(), names.end(), Name(word, 0));
        if (it == names.end() || it->first != word) return false;
        definition = entries[it->second].substr(word.size() + 1);
        return true;
    }

    DefFile file;
    int lookups = 0;
    std::vector<Name> names;
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

bool expanddefs(char* work, const char* path, Notation notation, int maxreplacements) {
    std::unique_ptr<DefIndex> index;  // read at the first name looked up
    int replacements = 0;
    for (int pos = 0; work[pos] && pos < WORK_MAX;) {
        if (!candidate(work, pos)) {
            ++pos;
            continue;
        }
        if (!index) index = std::make_unique<DefIndex>(path);
        int end = pos;
        while (work[end] && work[end] != ' ') ++end;
        std::string_view definition;
        if (!index->find(std::string_view(work + pos, end - pos), definition)) {
            ++pos;
            continue;
        }
        if (++replacements > maxreplacements) return false;
        replace(work, pos, end, insertion(definition, notation));
        pos = 0;
    }
    return true;
}
