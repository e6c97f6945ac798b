#include "suggest.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/output.h"
#include "core/strings.h"
#include "engine/words.h"
#include "list.h"

namespace {
// The edits (insertions, deletions, changes, swaps of neighbours) from a to b.
std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> before(b.size() + 1), row(b.size() + 1), twoback(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        twoback.swap(before);
        before.swap(row);
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t change = before[j - 1] + (a[i - 1] != b[j - 1]);
            row[j] = std::min({before[j] + 1, row[j - 1] + 1, change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], twoback[j - 2] + 1);
        }
    }
    return row[b.size()];
}

// The names and the keywords a person types, once each.
std::vector<std::string> known() {
    std::vector<std::string> names = definednames();
    int count;
    const Word* words = allwords(count);
    for (const Word* w = words; w < words + count; ++w)
        if (typedbyname(*w)) names.emplace_back(w->spelling);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}
}  // namespace

std::vector<std::string> suggestions(const std::string& word, const std::vector<std::string>& names) {
    constexpr std::size_t MOST = 3;
    std::vector<std::string> found;
    auto take = [&](const std::string& name) {
        if (found.size() < MOST && name != word && std::find(found.begin(), found.end(), name) == found.end())
            found.push_back(name);
    };
    // Those that differ in case, fewest letters changed first: ev is eV before EV.
    std::string low = lowered(word);
    std::vector<std::pair<std::size_t, std::string>> cased;
    for (const std::string& name : names)
        if (lowered(name) == low) cased.emplace_back(distance(word, name), name);
    std::sort(cased.begin(), cased.end());
    for (const auto& [d, name] : cased) take(name);
    for (const std::string& singular : singulars(word))
        if (std::binary_search(names.begin(), names.end(), singular)) take(singular);
    if (word.size() < 4) return found;
    // Within one edit, two for the longer names.
    std::size_t most = word.size() < 7 ? 1 : 2;
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const std::string& name : names)
        if (name.size() + most >= word.size() && name.size() <= word.size() + most)
            if (std::size_t d = distance(word, name); d <= most) near.emplace_back(d, name);
    std::sort(near.begin(), near.end());
    for (const auto& [d, name] : near) take(name);
    return found;
}

void suggestfor(const char* word) {
    std::vector<std::string> found = suggestions(word, known());
    if (found.empty()) return;
    errors << "phycalc: " << word << " is not defined; did you mean ";
    for (std::size_t k = 0; k < found.size(); ++k)
        errors << (k == 0 ? "" : k + 1 == found.size() ? " or " : ", ") << found[k];
    errors << "?\n";
}
