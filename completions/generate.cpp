// Fills a template with the lists that phycalc's tables hold, so that the
// completions of the shells and the fuzzers' dictionary follow the options and
// the words as they are:
//   @OPTIONS@        every option as typed ("-cr -S1 -S2 -S3 -p ...")
//   @FILE_OPTIONS@   the options whose value is a file, for a shell pattern ("-u|-f")
//   @VALUE_OPTIONS@  the options with another value ("-p")
//   @ZSH_OPTIONS@    the options as zsh's _arguments takes them, with their help
//   @KEYWORDS@       the words a person types by name ("sqrt exp ... help")
//   @DICTIONARY@     every word, and every symbol of the pre-pass, one a line, quoted
// Usage: phycalc_lists TEMPLATE OUTPUT
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/words.h"
#include "phycalc/options.h"

namespace {
// The spellings an option is typed as: the words of its usage that begin with '-'.
std::vector<std::string> typed(const Option& option) {
    std::vector<std::string> spellings;
    std::istringstream words(option.shown);
    for (std::string word; words >> word;)
        if (word[0] == '-') spellings.push_back(word);
    return spellings;
}

std::string joined(const std::vector<std::string>& items, const std::string& between) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : between) + item;
    return text;
}

// The options a person is offered: those in the usage.
std::vector<std::string> spellings(bool (*take)(const Option&)) {
    std::vector<std::string> found;
    for (const Option& option : options())
        if (option.help && take(option))
            for (const std::string& spelling : typed(option)) found.push_back(spelling);
    return found;
}

std::string zshoptions() {
    std::vector<std::string> specs;
    for (const Option& option : options()) {
        if (!option.help || option.known == Known::LAST) continue;
        std::string help;
        for (const char* c = option.help; *c; ++c) help += *c == '\'' ? std::string("'\\''") : std::string(1, *c);
        std::string value = option.next == Next::REVEALED ? ":expression:_phycalc_names"
                            : option.act == Act::UNITS    ? ":file:{_files; compadd si}"
                            : option.inplace              ? ":file:_files"
                            : option.next == Next::VALUE  ? ":value:"
                            : option.act == Act::LIST     ? ":pattern:"
                                                          : "";
        for (const std::string& spelling : typed(option))
            specs.push_back("'" + spelling + "[" + help + "]" + value + "'");
    }
    return joined(specs, " \\\n            ");
}

std::string keywords() {
    std::vector<std::string> found;
    int count;
    const Word* words = allwords(count);
    for (const Word* w = words; w < words + count; ++w)
        if (typedbyname(*w)) found.push_back(w->spelling);
    return joined(found, " ");
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return out + "\"";
}

std::string dictionary() {
    std::vector<std::string> lines;
    int count;
    const Word* words = allwords(count);
    for (const Word* w = words; w < words + count; ++w) {
        lines.push_back(quoted(w->spelling));
        if (w->match == Match::SYMBOL) lines.push_back(quoted(std::string(1, w->spelling[1])));
    }
    return joined(lines, "\n");
}

void replace(std::string& text, const std::string& key, const std::string& value) {
    for (std::size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), value);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: phycalc_lists TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        std::cerr << "phycalc_lists: cannot read " << argv[1] << "\n";
        return 1;
    }
    replace(text, "@OPTIONS@", joined(spellings([](const Option&) { return true; }), " "));
    replace(text, "@FILE_OPTIONS@", joined(spellings([](const Option& o) { return o.inplace; }), "|"));
    replace(text, "@VALUE_OPTIONS@",
            joined(spellings([](const Option& o) { return o.next == Next::VALUE && !o.inplace; }), "|"));
    replace(text, "@ZSH_OPTIONS@", zshoptions());
    replace(text, "@KEYWORDS@", keywords());
    replace(text, "@DICTIONARY@", dictionary());
    std::ofstream out(argv[2]);
    out << text;
    return out.flush() ? 0 : 1;
}
