// The hand-written texts that list the words and the options are held to the
// tables; the command line is read as the options say.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "engine/words.h"
#include "files.h"
#include "phycalc/help.h"
#include "phycalc/options.h"

namespace {
std::vector<const Word*> words() {
    int count;
    const Word* all = allwords(count);
    std::vector<const Word*> found;
    for (const Word* w = all; w < all + count; ++w) found.push_back(w);
    return found;
}

// The priority offset of a word at one bracket level, as the guide gives it.
int offset(const Word& word) { return word.priority + (word.functionpoint ? 1 : 0); }

// The words in backquotes of the guide's priority table, each with the offset
// of its row ("c%x" stands for "c%").
std::map<std::string, int> guidetable() {
    std::map<std::string, int> table;
    std::string guide = readfile(SOURCE_DIR "/docs/development.md");
    std::regex row(R"(\n\| *((?:−|[+-])?\d+) *\| *([^|]*)\|)"), quoted("`([^`]+)`");
    for (std::sregex_iterator r(guide.begin(), guide.end(), row), end; r != end; ++r) {
        std::string number = (*r)[1], cell = (*r)[2];
        if (number.rfind("−", 0) == 0) number = "-" + number.substr(std::string("−").size());
        for (std::sregex_iterator q(cell.begin(), cell.end(), quoted); q != end; ++q) {
            std::string text = (*q)[1];
            for (std::size_t start = 0, space;; start = space + 1) {
                space = text.find(' ', start);
                std::string word = text.substr(start, space - start);
                if (word.size() == 3 && word[0] == 'c' && word[2] == 'x') word.pop_back();
                table[word] = std::stoi(number);
                if (space == std::string::npos) break;
            }
        }
    }
    return table;
}

// Every word in bold in the manual, split at what is no part of a word.
std::set<std::string> boldwords(const std::string& page) {
    std::set<std::string> bold;
    std::regex line(R"(\n\.(?:B|BR|RB|BI|IB) ([^\n]*))"), word(R"([A-Za-z][A-Za-z0-9]*)");
    for (std::sregex_iterator l(page.begin(), page.end(), line), end; l != end; ++l) {
        std::string text = (*l)[1];
        for (std::sregex_iterator w(text.begin(), text.end(), word); w != end; ++w) bold.insert((*w)[0]);
    }
    return bold;
}

// The spellings that head the entries of the manual's OPTIONS section.
std::set<std::string> manualoptions(const std::string& page) {
    std::size_t from = page.find("\n.SH OPTIONS"), to = page.find("\n.SH", from + 1);
    std::string section = page.substr(from, to - from);
    std::set<std::string> found;
    std::regex entry(R"(\n\.TP\n\.B[IR]? ([^\n]*))"), option(R"((?:\\-)+[A-Za-z0-9]*)");
    for (std::sregex_iterator e(section.begin(), section.end(), entry), end; e != end; ++e) {
        std::string head = (*e)[1];
        for (std::sregex_iterator o(head.begin(), head.end(), option); o != end; ++o)
            found.insert(std::regex_replace((*o)[0].str(), std::regex(R"(\\-)"), "-"));
    }
    return found;
}
}  // namespace

TEST(Lists, TheGuidesPriorityTableGivesEveryWordWithAnOffsetAndNoOtherWord) {
    std::map<std::string, int> table = guidetable();
    ASSERT_FALSE(table.empty()) << "no priority table found in docs/development.md";
    std::set<std::string> spellings;
    for (const Word* word : words()) {
        spellings.insert(word->spelling);
        if (table.count(word->spelling)) {
            EXPECT_EQ(table[word->spelling], offset(*word)) << word->spelling;
        } else if (word->kind != WordKind::OPEN && word->kind != WordKind::CLOSE) {
            EXPECT_EQ(offset(*word), 0) << word->spelling << " is missing from the guide's priority table";
        }
    }
    for (const auto& [word, number] : table) EXPECT_TRUE(spellings.count(word)) << word << " is no word";
}

TEST(Lists, TheManualNamesEveryWordAPersonTypes) {
    std::set<std::string> bold = boldwords(readfile(SOURCE_DIR "/man/phycalc.1"));
    for (const Word* word : words())
        if (typedbyname(*word)) {
            EXPECT_TRUE(bold.count(word->spelling)) << word->spelling << " is not in the manual";
        }
}

TEST(Lists, TheManualDescribesEveryOptionOfTheUsageAndNoOther) {
    std::set<std::string> described = manualoptions(readfile(SOURCE_DIR "/man/phycalc.1")), table;
    for (const Option& option : options()) {
        if (!option.help) continue;
        std::string shown = option.shown;
        for (std::size_t start = 0, space;; start = space + 1) {
            space = shown.find(' ', start);
            if (shown[start] == '-') table.insert(shown.substr(start, space - start));
            if (space == std::string::npos) break;
        }
    }
    EXPECT_EQ(described, table);
}

namespace {
struct Line {
    std::vector<const char*> args;
    CommandLine::Mode mode;
    std::string steps;  // u:FILE f:FILE a:ARG, apart by blanks
    bool fromstdin;
};

std::string stepsof(const CommandLine& line) {
    std::string text;
    for (const CommandLine::Step& step : line.steps) {
        using Does = CommandLine::Step::Does;
        text += text.empty() ? "" : " ";
        text += step.does == Does::UNITS ? "u:" : step.does == Does::FORMULAS ? "f:" : "a:";
        text += step.arg;
    }
    return text;
}
}  // namespace

TEST(Options, OneTableSaysWhatEachArgumentIs) {
    using M = CommandLine::Mode;
    const Line LINES[] = {
        {{"1+1", "-u", "si", "km"}, M::EVALUATE, "a:1+1 u:si a:km", false},
        {{"-u", "si", "-"}, M::EVALUATE, "u:si", true},
        {{"-u", "-"}, M::EVALUATE, "u:-", false},  // "-" is the file
        {{"-crx", "2", "-q", "-1"}, M::EVALUATE, "a:-crx a:2 a:-q a:-1", false},
        {{"-u", "si", "--list", "km"}, M::LIST, "u:si", false},
        {{"--list", "--list"}, M::EVALUATE, "a:--list a:--list", false},
        {{"-f", "x", "--check"}, M::CHECK, "f:x", false},
        {{"--check", "--check"}, M::EVALUATE, "a:--check a:--check", false},
        {{"--check", "1+1"}, M::EVALUATE, "a:--check a:1+1", false},
        {{"--units-from", "a", "b"}, M::LIBRARY, "", false},
        {{"--units-from", "a"}, M::EVALUATE, "a:--units-from a:a", false},
        {{"--help", "x"}, M::HELP, "", false},
        {{"x", "--version"}, M::EVALUATE, "a:x a:--version", false},
    };
    for (const Line& line : LINES) {
        std::vector<const char*> argv = {"phycalc"};
        argv.insert(argv.end(), line.args.begin(), line.args.end());
        CommandLine read = readcommandline(static_cast<int>(argv.size()), const_cast<char**>(argv.data()));
        std::string where = "phycalc";
        for (const char* arg : line.args) where += std::string(" ") + arg;
        EXPECT_EQ(read.mode, line.mode) << where;
        EXPECT_EQ(stepsof(read), line.steps) << where;
        EXPECT_EQ(read.fromstdin, line.fromstdin) << where;
    }
}

TEST(Options, SettingsComeFromTheWholeLineButTheLastArgument) {
    const char* argv[] = {"phycalc", "-S3", "-p", "4", "-cr", "--readable", "-S1"};
    CommandLine line = readcommandline(7, const_cast<char**>(argv));
    EXPECT_EQ(line.form, NumberForm::FIXED);  // -S1 is last, and so acts not
    EXPECT_EQ(line.precision, 4);
    EXPECT_TRUE(line.cartesian && line.readable && line.formgiven);
    const char* unknown[] = {"phycalc", "-q", "--fast", "--slow"};
    EXPECT_STREQ(readcommandline(4, const_cast<char**>(unknown)).unknown, "--slow");
}

TEST(Lists, EveryWordAPersonTypesHasACase) {
    std::string runs;
    for (const auto& file : std::filesystem::directory_iterator(SOURCE_DIR "/tests/cases"))
        for (std::istringstream lines(readfile(file.path())); !lines.eof();) {
            std::string line;
            std::getline(lines, line);
            if (line.rfind("run phycalc", 0) == 0 || line.rfind("in ", 0) == 0) runs += line + "\n";
        }
    for (const Word* word : words())
        if (typedbyname(*word)) {
            std::regex used(std::string(R"((^|[^A-Za-z]))") + word->spelling + R"(($|[^A-Za-z]))");
            EXPECT_TRUE(std::regex_search(runs, used)) << "no case runs " << word->spelling;
        }
}

TEST(Completion, OffersTheWordsThatBeginWithTheTextTyped) {
    std::vector<std::string> found = completions("si");
    EXPECT_NE(std::find(found.begin(), found.end(), "sin"), found.end());
    for (const std::string& word : found) EXPECT_EQ(word.rfind("si", 0), 0u) << word;  // not asin
    EXPECT_TRUE(completions("zzz").empty());
}
