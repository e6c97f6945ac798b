#include "help.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iostream>
#include <map>

#include "core/deffile.h"
#include "core/settings.h"
#include "engine/engine.h"
#include "engine/words.h"
#include "frontend/defindex.h"
#include "list.h"

namespace {
const char* const GUIDE = R"(phycalc evaluates expressions of complex numbers that carry dimensions:
  2*(3+4)   1.5e3/7   2^0.5   5!             numbers and + - * / ^ !
  sqrt 2   sin(pi/6)   ln(0-1)   log 2 8      functions, principal values
  (3+4*i)*(1-i)                              complex numbers (-cr: x+i*y)
  5*km+300*m   9.81*m/s^2*3*kg               units and constants of the library
  60*mph -> km/h   1.8*m -> ft;in            the answer in a unit, or in a list
  tempC(20) -> tempF   300*K -> tempC        absolute temperatures
  5=x   %x^2                                 variables
help WORD says what a word or a unit is, help units PATTERN lists the units.
)";

std::string trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return std::string(text);
}

bool defined(const char* path, const std::string& name) {
    std::string_view definition;
    return path[0] && definitions(path).find(name, definition);
}

void explain(const std::string& topic) {
    if (const Word* word = wordnamed(topic.c_str())) {
        std::cout << word->about << "\n";
    } else if (defined(FORMNAME, topic) || defined(USERUNITS, topic) || defined(MACNAME, topic)) {
        const char* where = defined(FORMNAME, topic) ? FORMNAME : defined(USERUNITS, topic) ? "your units" : UNAME;
        std::cout << topic << ", a name of " << where << ": ";
        handlestr(topic.c_str());
    } else if (const Word* word = wordrun(topic.c_str())) {
        std::cout << topic << " runs " << word->spelling << ": " << word->about << "\n";
    } else {
        std::cout << "no word or unit is named " << topic << "\n";
    }
}

// The names that the definition file at path defines, read once.
const std::vector<std::string>& namesof(const char* path) {
    static std::map<std::string, std::vector<std::string>> names;
    auto [at, added] = names.try_emplace(path);
    if (added) {
        DefFile file(path);
        for (std::string_view entry : file.entries())
            if (std::size_t equals = entry.find('='); equals != std::string_view::npos && equals > 0)
                at->second.emplace_back(entry.substr(0, equals));
    }
    return at->second;
}
}  // namespace

bool answerhelp(const char* line) {
    while (std::isspace(static_cast<unsigned char>(*line))) ++line;
    if (std::strncmp(line, "help", 4) != 0 || (line[4] && !std::isspace(static_cast<unsigned char>(line[4]))))
        return false;
    std::string text = trimmed(line);
    std::string topic = trimmed(std::string_view(text).substr(4));
    if (topic.empty()) {
        std::cout << GUIDE;
    } else if (topic == "units" || topic.rfind("units ", 0) == 0) {
        std::string pattern = trimmed(std::string_view(topic).substr(5));
        if (listnames(pattern.c_str()) != 0) std::cout << "no unit holds " << pattern << "\n";
    } else {
        explain(topic);
    }
    return true;
}

void answer(const char* line) {
    if (!answerhelp(line)) handlestr(line);
}

std::vector<std::string> completions(const std::string& start) {
    std::vector<std::string> found;
    auto take = [&](const std::string& name) {
        if (name.compare(0, start.size(), start) == 0) found.push_back(name);
    };
    int count;
    const Word* words = allwords(count);
    for (const Word* w = words; w < words + count; ++w)
        if (std::isalpha(static_cast<unsigned char>(w->spelling[0])) &&
            (w->routine || !std::strcmp(w->spelling, "help")))
            take(w->spelling);
    for (const char* path : {FORMNAME, USERUNITS, MACNAME})
        if (path[0])
            for (const std::string& name : namesof(path)) take(name);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
