#include "help.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/deffile.h"
#include "core/output.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "engine/words.h"
#include "frontend/defindex.h"
#include "library.h"
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
phycalc --polar answers complex values as modulus and angle: 5 angle 53.13 deg.
)";

bool defined(const char* path, const std::string& name) {
    std::string_view definition;
    return path[0] && definitions(path).find(name, definition);
}

// The line that defines name in the source of a library ("si.defs" beside
// "si.units"), as written there; empty when there is none.
std::string sourceline(const char* macros, const std::string& name) {
    std::string_view path = macros;
    if (path.size() < 6 || path.substr(path.size() - 6) != ".units") return "";
    std::string source = std::string(path.substr(0, path.size() - 6)) + ".defs", content, found, n, expr;
    if (readall(source.c_str(), content) != DefFile::Status::READ) return "";
    eachline(content, [&](std::string_view line) {
        if (found.empty() && namedexpression(line, n, expr) && n == name) found = trimmed(line);
    });
    return found;
}

// The name of the dimension of name's value, "" when it has none or no value.
std::string dimensionof(const std::string& name) {
    Captured quiet;
    lm value;
    return valueofexpression(name.c_str(), value) == Outcome::NUMBER ? dimensionname(value.dim) : "";
}

void explain(const std::string& topic) {
    if (const Word* word = wordnamed(topic.c_str())) {
        output << word->about << "\n";
    } else if (defined(FORMNAME, topic) || defined(USERUNITS, topic) || defined(MACNAME, topic)) {
        bool library = !defined(FORMNAME, topic) && !defined(USERUNITS, topic);
        const char* where = library ? UNAME : defined(FORMNAME, topic) ? FORMNAME : "your units";
        EndingRefused going;  // help about a name must not end the program
        std::string dimension = dimensionof(topic);
        output << topic << ", a name of " << where;
        if (!dimension.empty()) output << " (" << dimension << ")";
        output << ": ";
        if (readable) output << "1 " << topic << " = ";
        handlestr(topic.c_str());
        if (std::string line = library ? sourceline(MACNAME, topic) : ""; !line.empty()) output << "  " << line << "\n";
    } else if (const Word* word = wordrun(topic.c_str())) {
        output << topic << " runs " << word->spelling << ": " << word->about << "\n";
    } else {
        output << "no word or unit is named " << topic << "\n";
    }
}
}  // namespace

bool answerhelp(const char* line) {
    while (std::isspace(static_cast<unsigned char>(*line))) ++line;
    if (std::strncmp(line, "help", 4) != 0 || (line[4] && !std::isspace(static_cast<unsigned char>(line[4]))))
        return false;
    std::string topic(trimmed(trimmed(line).substr(4)));
    if (topic.empty()) {
        output << GUIDE;
    } else if (topic == "units" || topic.rfind("units ", 0) == 0) {
        std::string pattern(trimmed(std::string_view(topic).substr(5)));
        if (listnames(pattern.c_str()) != 0) output << "no unit holds " << pattern << "\n";
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
        if (typedbyname(*w)) take(w->spelling);
    for (const std::string& name : definednames()) take(name);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
