#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>

#include "capture.h"
#include "core/quantity.h"
#include "frontend/defindex.h"
#include "frontend/frontend.h"

namespace {

std::string prepassed(const std::string& expr) {
    char work[WORK_SIZE];
    prepass(expr.c_str(), work);
    return work;
}

TEST(Prepass, Conversions) {
    const struct {
        const char* expr;
        const char* work;
    } cases[] = {
        // operators become words of their own; '=' and '%' keep the letter after them
        {"2*(3+4)", "2 c*  c( 3 c+ 4 c)      "},
        {"", "     "},
        {"5=x", "5 c=x     "},
        {"%x*2", " c%x c* 2     "},
        {"x=(1+2)", "x c= c( 1 c+ 2 c)      "},
        {"(1+2)^2", " c( 1 c+ 2 c)  c^ 2     "},
        {"3{$m 1}/2!", "3 c{ $m 1 c}  c/ 2 c!      "},
        // a sign stays inside a number only after the 'e' of its exponent
        {"1e+5-2e-3", "1e+5 c- 2e-3     "},
        {".5e-2", ".5e-2     "},
        {"1E+5", "1E c+ 5     "},
        {"e+1", "e c+ 1     "},
        {"2*e-1", "2 c* e c- 1     "},
        {"phase-1", "phase c- 1     "},
        // an early line feed is a blank; a later one or a carriage return ends the text
        {"1\n+2", "1  c+ 2     "},
        {"\n1", " 1     "},
        {"12\n+3", "12     "},
        {"\r1", "     "},
        {"1+2\r+3", "1 c+ 2     "},
    };
    for (const auto& c : cases) EXPECT_EQ(prepassed(c.expr), c.work) << c.expr;
}

TEST(Prepass, CutAt999Characters) {
    std::string work = prepassed(std::string(300, '+'));
    ASSERT_EQ(work.size(), 999u);
    EXPECT_EQ(work.substr(0, 8), " c+  c+ ");
    EXPECT_EQ(prepassed(std::string(5000, '7')).size(), 999u);
}

TEST(Tokenise, NumbersAndCommands) {
    EXPECT_EQ(listof("2*(3+4)"), (std::vector<std::string>{"2", "c*:99", "3", "c+:108", "4"}));
    EXPECT_EQ(listof("1.2.3 .5 . 3x"), (std::vector<std::string>{"1.2", "0.5", "0", "3"}));
    EXPECT_EQ(listof("_x x_y $m"), (std::vector<std::string>{"x:100", "x_y:100", "$m:106"}));
    EXPECT_TRUE(listof("   ").empty());
}

TEST(Tokenise, LongWordsAreCut) {
    std::string letters49(49, 'a'), letters50(50, 'b');
    EXPECT_EQ(listof(letters49.c_str()), (std::vector<std::string>{letters49 + ":100"}));
    EXPECT_EQ(listof(letters50.c_str()), (std::vector<std::string>{std::string(49, 'b') + ":100"}));
    std::string word56 = std::string(49, 'x') + "Qyzzzzz";
    EXPECT_EQ(listof(word56.c_str()), (std::vector<std::string>{std::string(49, 'x') + ":100", "yzzzzz:100"}));
}

// Runs both expansion passes over the pre-passed expr.
std::string expanded(const std::string& expr, const char* formulas, const char* macros, Expansion* ended = nullptr) {
    char work[WORK_SIZE];
    newinput();  // each expression of these tests stands for a new line of input
    prepass(expr.c_str(), work);
    Expansion result = formulas ? expanddefs(work, formulas, Notation::FORMULA) : Expansion::DONE;
    if (result == Expansion::DONE) result = expanddefs(work, macros ? macros : "", Notation::MACRO);
    if (ended) *ended = result;
    return work;
}

TEST(Expand, FormulaDefinitionsAreConverted) {
    TempFile formulas("mechanics\n#g=9.81\n#area=%r^2*pi\n#f=-_3\n#G=1\n");
    EXPECT_EQ(expanded("g*3", formulas.path(), nullptr), " 9.81  c* 3     ");
    EXPECT_EQ(expanded("area*2", formulas.path(), nullptr), "  c%r c^ 2 c* pi  c* 2     ");
    EXPECT_EQ(expanded("2*f", formulas.path(), nullptr), "2 c*   c-  3      ");
    EXPECT_EQ(expanded("2g", formulas.path(), nullptr), "2 9.81      ");
}

TEST(Expand, OnlyWordStartsAreLookedUp) {
    TempFile macros("#km=1000_c*_$m\n#m=oops\n#s=oops\n#r=oops");
    EXPECT_EQ(expanded("5*km", nullptr, macros.path()), "5 c*  1000 c* $m      ");
    EXPECT_EQ(expanded("5km", nullptr, macros.path()), "5 1000 c* $m      ");
    EXPECT_EQ(expanded("cos", nullptr, macros.path()), "cos     ");
    EXPECT_EQ(expanded("xkm $m %r", nullptr, macros.path()), "xkm $m  c%r     ");
}

TEST(Expand, NamesNestAndTheFirstEntryWins) {
    TempFile formulas("t\n#x=y\n#y=2\n#a=\n#b=2\n#g=9.81\n#gravity=10\n#y=3");
    EXPECT_EQ(expanded("x+1", formulas.path(), nullptr), "  2   c+ 1     ");
    EXPECT_EQ(expanded("a+b", formulas.path(), nullptr), "   c+  2      ");
    EXPECT_EQ(expanded("gravity", formulas.path(), nullptr), " 10      ");
}

TEST(Expand, ManyLookupsFindTheSameEntries) {
    TempFile formulas("t #y=2 #q #y=3 #yy=4 #c=b=5");
    std::string expr, expected;
    for (int k = 0; k < 40; ++k) {
        expr += "y yy q x ";
        expected += " 2   4  q x ";
    }
    std::string work = expanded(expr + "a=b", formulas.path(), nullptr);
    EXPECT_EQ(work.substr(0, expected.size()), expected);
    EXPECT_NE(work.find(" a  5 "), std::string::npos);  // the word c=b
}

// A word with '=' looks for its name before the '=', which may be empty.
TEST(Expand, AWordWithAnEqualsSignFindsTheEntryOfItsName) {
    TempFile macros("#=4x=foo #c=b=5");
    newinput();
    std::string_view definition;
    EXPECT_TRUE(definitions(macros.path()).find("=4x", definition));
    EXPECT_EQ(definition, "foo");
    EXPECT_TRUE(definitions(macros.path()).find("c=b", definition));
    EXPECT_EQ(definition, "5");
    EXPECT_FALSE(definitions(macros.path()).find("=5", definition));
}

TEST(Expand, WhitespaceInFilesIsDropped) {
    TempFile macros("title words # km = 1000 c* $m\n#\tnoequals #z=\n2");
    EXPECT_EQ(expanded("5*km", nullptr, macros.path()), "5 c*  1000c*$m      ");
    EXPECT_EQ(expanded("noequals z", nullptr, macros.path()), "noequals  2      ");
}

TEST(Expand, FormulaNamesMayUseUnits) {
    TempFile formulas("t #speed=3*km");
    TempFile macros("#km=1000_c*_$m_");
    EXPECT_EQ(expanded("speed", formulas.path(), macros.path()), " 3 c*  1000 c* $m        ");
}

// Every insertion begins with a blank, so a definition that holds its own name
// pushes that name on to the right until the cut at 999 characters drops it.
// Each replacement grows the text until the name falls off its end: the
// expansion ends, cut.
TEST(Expand, SelfReferenceEndsCut) {
    TempFile formulas("t #x=x+1 #a=b #b=a #c=c");
    Expansion ended = Expansion::DONE;
    EXPECT_EQ(expanded("x", formulas.path(), nullptr, &ended).find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(ended, Expansion::CUT);
    EXPECT_EQ(expanded("a*2", formulas.path(), nullptr, &ended), std::string(999, ' '));
    EXPECT_EQ(ended, Expansion::CUT);
    EXPECT_EQ(expanded("c", nullptr, formulas.path(), &ended), std::string(999, ' '));
    EXPECT_EQ(ended, Expansion::CUT);
}

TEST(Expand, ReplacementsAreBounded) {
    TempFile formulas("t #x=1");
    char work[WORK_SIZE];
    prepass("x+x+x", work);
    EXPECT_EQ(expanddefs(work, formulas.path(), Notation::FORMULA, false, 3), Expansion::DONE);
    prepass("x+x+x+x", work);
    EXPECT_EQ(expanddefs(work, formulas.path(), Notation::FORMULA, false, 3), Expansion::ENDLESS);
    // Two insertions of 600 characters do not fit the 999 of the working text.
    TempFile long600("t #y=" + std::string(600, '1'));
    prepass("y", work);
    EXPECT_EQ(expanddefs(work, long600.path(), Notation::FORMULA), Expansion::DONE);
    prepass("y+y", work);
    EXPECT_EQ(expanddefs(work, long600.path(), Notation::FORMULA), Expansion::CUT);
}

TEST(Expand, GrowthIsCutAt999) {
    TempFile formulas("t #w=" + std::string(2000, '7') + " #d=w_w");
    std::string work = expanded("d", formulas.path(), nullptr);
    EXPECT_EQ(work.size(), 999u);
    EXPECT_EQ(work.substr(0, 4), "  77");
}

TEST(Expand, MissingFilesChangeNothing) {
    EXPECT_EQ(expanded("g*3", "/nonexistent/formulas", "/nonexistent/macros"), "g c* 3     ");
    EXPECT_EQ(expanded("g*3", nullptr, ""), "g c* 3     ");
}

TEST(Expand, EntriesAppendedBetweenExpressionsAreSeen) {
    TempFile macros("#a=1");
    EXPECT_EQ(expanded("b", nullptr, macros.path()), "b     ");
    macros.append("#b=2");
    EXPECT_EQ(expanded("b", nullptr, macros.path()), " 2      ");
}

// A pass may go on from the word that a replacement ends instead of from the
// start of the text; the result must be the same.  Single-step passes (bound 1)
// give the scan from the start after every replacement.
TEST(Expand, GoingOnFromTheReplacedWordFindsWhatAScanFromTheStartFinds) {
    std::mt19937 random(7);
    auto pick = [&](const char* choices) {
        return choices[std::uniform_int_distribution<std::size_t>(0, std::strlen(choices) - 1)(random)];
    };
    const char* names[] = {"a", "b", "ab", "k", "km", "x1", "c5", "a=b"};
    constexpr int BOUND = 40;
    for (int round = 0; round < 300; ++round) {
        std::string content = "t ";
        for (int e = 0; e < 6; ++e) {
            content += std::string("#") + names[random() % 8] + "=";
            for (int c = random() % 8; c-- > 0;) content += pick("abkmx1c5._=+*( ");
            content += ' ';
        }
        TempFile file(content);
        std::string expr;
        for (int c = random() % 24; c-- > 0;) expr += pick("abkmx1c5. =+*");
        Notation notation = round % 2 ? Notation::FORMULA : Notation::MACRO;
        char fast[WORK_SIZE], slow[WORK_SIZE];
        prepass(expr.c_str(), fast);
        std::memcpy(slow, fast, WORK_SIZE);
        bool ended = expanddefs(fast, file.path(), notation, false, BOUND) != Expansion::ENDLESS;
        int steps = 0;
        while (steps <= BOUND && expanddefs(slow, file.path(), notation, false, 1) == Expansion::ENDLESS) ++steps;
        SCOPED_TRACE(content + " | " + expr);
        EXPECT_EQ(ended, steps < BOUND);
        if (ended) {
            EXPECT_STREQ(fast, slow);
        }
    }
}

// In x1km, km follows a digit and is a name; its insertion begins with a
// blank, which ends the word x1 before it: that word is looked up again.
TEST(Expand, AWordThatAReplacementEndsIsLookedUpAgain) {
    TempFile macros("#km=k #x1=9");
    EXPECT_EQ(expanded("x1km", nullptr, macros.path()), " 9  k      ");
}

TEST(Expand, ForgottenCopiesAreReadAgain) {
    TempFile macros("#a=1");
    EXPECT_EQ(expanded("a", nullptr, macros.path()), " 1      ");
    forgetdefinitions();
    EXPECT_EQ(expanded("a", nullptr, macros.path()), " 1      ");
}

TEST(Expand, AFileChangedInPlaceIsReadAgain) {
    TempFile macros("#a=1");
    EXPECT_EQ(expanded("a", nullptr, macros.path()), " 1      ");
    std::ofstream(macros.path(), std::ios::trunc) << "#a=2";
    timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};  // the same size, another time
    ASSERT_EQ(utimensat(AT_FDCWD, macros.path(), later, 0), 0);
    EXPECT_EQ(expanded("a", nullptr, macros.path()), " 2      ");
}

// Number tokens are read without atof; the value must be atof's.
TEST(Tokenise, NumbersReadAsAtofReadsThem) {
    std::mt19937 random(3);
    const std::string chars = "0123456789.eE+-xXpPaf";
    std::vector<std::string> words = {"1e400", "1e-400", "0x1p3", "0X.8", ".",
                                      "1.2.3", "1e",     "1e+",   "00x1", "4.9e-324"};
    for (int k = 0; k < 5000; ++k) {
        std::string word(1, "0123456789."[random() % 11]);
        for (int c = random() % 60; c-- > 0;) word += chars[random() % chars.size()];
        words.push_back(word);
    }
    // Plain decimals, most numbers people write, of every length around the
    // 15 digits that a double holds exactly.
    for (int k = 0; k < 5000; ++k) {
        std::string word;
        for (int c = 1 + random() % 18; c-- > 0;) word += "0123456789"[random() % 10];
        if (random() % 4) word.insert(random() % (word.size() + 1), ".");
        words.push_back(word);
    }
    for (const std::string& word : words) {
        tokenise((word + "  ").c_str());
        ASSERT_NE(S, nullptr);
        double expected = std::atof(word.substr(0, 49).c_str());
        EXPECT_TRUE(S->radius == expected || (std::isnan(S->radius) && std::isnan(expected))) << word;
        exit0(1);
    }
}

}  // namespace
