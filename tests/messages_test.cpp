// Every message that either program can write is produced by at least one
// test: the message texts are collected from the sources, and each must stand
// in an expected output of the tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "files.h"

namespace fs = std::filesystem;

namespace {
// A line that writes a message: the routines of the operator contract, the
// checks, phydef's refusals and whatever goes to standard error.
const std::regex WRITES(
    R"((\bfail\(|\bwarn\(|\brefuse\(|\bproblem\(|OpMessages|ready\(\{|addsigned\(|prefix\(\{|component\(\{|std::cerr <<|why = |<< "syntax))");
const std::regex LITERAL(R"re("((?:[^"\\]|\\.)*)")re");

// The text of a literal as it is written out, line ends and quotes unescaped.
std::string unescaped(const std::string& literal) {
    std::string text;
    for (std::size_t k = 0; k < literal.size(); ++k) {
        if (literal[k] != '\\' || k + 1 == literal.size()) {
            text += literal[k];
            continue;
        }
        char c = literal[++k];
        text += c == 'n' ? '\n' : c;
    }
    return text;
}

std::set<std::string> messages() {
    std::set<std::string> found;
    for (const char* dir : {"core", "frontend", "engine", "ops", "funcs", "phycalc", "phydef"})
        for (const auto& file : fs::directory_iterator(fs::path(SOURCE_DIR) / dir)) {
            if (file.path().extension() != ".cpp") continue;
            std::istringstream lines(readfile(file.path()));
            for (std::string line; std::getline(lines, line);) {
                if (!std::regex_search(line, WRITES)) continue;
                for (std::sregex_iterator m(line.begin(), line.end(), LITERAL), end; m != end; ++m) {
                    std::string text = unescaped((*m)[1]);
                    // The words of a message, without the line ends around them.
                    while (!text.empty() && text.front() == '\n') text.erase(0, 1);
                    while (!text.empty() && text.back() == '\n') text.pop_back();
                    if (text.size() >= 3) found.insert(text);
                }
            }
        }
    return found;
}

// What the tests expect: the cases' outputs, errors and checks, and the test sources.
std::string expected() {
    std::string all;
    for (const auto& file : fs::recursive_directory_iterator(fs::path(SOURCE_DIR) / "tests")) {
        if (file.path().filename() == "messages_test.cpp" || !file.is_regular_file()) continue;
        all += unescaped(readfile(file.path()));
    }
    return all;
}
}  // namespace

TEST(Messages, EveryMessageIsProducedByATest) {
    std::set<std::string> found = messages();
    ASSERT_GT(found.size(), 90u);
    std::string tests = expected();
    for (const std::string& message : found) EXPECT_NE(tests.find(message), std::string::npos) << message;
}
