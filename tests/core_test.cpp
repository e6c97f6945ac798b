#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iostream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "core/about.h"
#include "core/output.h"
#include "core/polar.h"
#include "core/quantity.h"
#include "core/strings.h"

namespace {

unit withslot(int slot, double value) {
    unit u;
    u.exponent[slot] = value;
    return u;
}

TEST(Unit, DimensionlessTest) {
    EXPECT_TRUE(withslot(TIME_SLOT, -0.0).u0());
    EXPECT_FALSE(withslot(TIME_SLOT, 1e-300).u0());
    unit u = withslot(MOLE_SLOT, 3);
    u.without();
    EXPECT_TRUE(u.u0());
}

TEST(Unit, ComparisonIsExactAndNaNAlwaysDiffers) {
    EXPECT_FALSE(withslot(LENGTH_SLOT, 2) != withslot(LENGTH_SLOT, 2));
    EXPECT_TRUE(withslot(LENGTH_SLOT, 2) != withslot(LENGTH_SLOT, 2 + 1e-15));
    unit nan = withslot(CHARGE_SLOT, NAN);
    EXPECT_TRUE(nan != nan);
}

TEST(Unit, Arithmetic) {
    unit a = withslot(MASS_SLOT, 1), b = withslot(TIME_SLOT, -2);
    unit sum = a + b, difference = a - b;
    EXPECT_EQ(sum.exponent[MASS_SLOT], 1);
    EXPECT_EQ(sum.exponent[TIME_SLOT], -2);
    EXPECT_EQ(difference.exponent[TIME_SLOT], 2);
    EXPECT_TRUE((sum * 0).u0());
    EXPECT_EQ((sum * -1).exponent[MASS_SLOT], -1);
    EXPECT_EQ((sum * 0.5).exponent[TIME_SLOT], -1);
}

TEST(Node, AssignmentKeepsPriorityAndLinks) {
    lm left, target, right, source;
    target.prev = &left;
    target.next = &right;
    target.prio = 99;
    target.kind = KIND_COMMAND;
    std::strcpy(target.text, "c+");
    source.radius = -2;
    source.angle = 1;
    source.dim = withslot(LENGTH_SLOT, 1);
    source.kind = KIND_NUMBER;
    source.prio = 5;
    std::strcpy(source.text, "7");
    target = source;
    EXPECT_EQ(target.radius, -2);
    EXPECT_EQ(target.angle, 1);
    EXPECT_EQ(target.kind, KIND_NUMBER);
    EXPECT_STREQ(target.text, "7");
    EXPECT_FALSE(target.dim != source.dim);
    EXPECT_EQ(target.prio, 99);
    EXPECT_EQ(target.prev, &left);
    EXPECT_EQ(target.next, &right);
}

TEST(List, Exit0FreesEveryNode) {
    exit0(1);  // no list: nothing happens
    EXPECT_EQ(S, nullptr);
    S = new lm;
    exit0(1);
    EXPECT_EQ(S, nullptr);
    S = new lm;
    for (int k = 0; k < 5; ++k) {
        lm* n = new lm;
        n->next = S;
        S->prev = n;
        S = n;
    }
    exit0(1);  // the sanitizer build reports any node left over
    EXPECT_EQ(S, nullptr);
}

TEST(List, DropnodeRelinksAndMovesTheHead) {
    lm* a = new lm;
    lm* b = new lm;
    lm* c = new lm;
    a->next = b, b->prev = a, b->next = c, c->prev = b;
    S = a;
    dropnode(b);
    EXPECT_EQ(a->next, c);
    EXPECT_EQ(c->prev, a);
    dropnode(a);
    EXPECT_EQ(S, c);
    EXPECT_EQ(c->prev, nullptr);
    dropnode(c);
    EXPECT_EQ(S, nullptr);
}

TEST(Numbers, ClampedInt) {
    EXPECT_EQ(clampedint(2.9), 2);
    EXPECT_EQ(clampedint(-2.9), -2);
    EXPECT_EQ(clampedint(NAN), 0);
    EXPECT_EQ(clampedint(1e300), INT_MAX);
    EXPECT_EQ(clampedint(-INFINITY), INT_MIN);
}

// k steps of a double each way from angle.
double ulps(double angle, int k) {
    for (; k > 0; --k) angle = std::nextafter(angle, INFINITY);
    for (; k < 0; ++k) angle = std::nextafter(angle, -INFINITY);
    return angle;
}

TEST(Polar, QuarterTurnsWithinTwoUnitsInTheLastPlace) {
    constexpr long NONE = LONG_MIN;
    const struct {
        double angle;
        long turns;
    } rows[] = {
        {0, 0},      {PI_2, 1},        {ulps(PI_2, 2), 1},        {ulps(PI_2, -2), 1},    {ulps(PI_2, 3), NONE},
        {-PI, -2},   {PI_2 * 3, 3},    {PI_2 * 1048576, 1048576}, {PI_2 * 1048577, NONE}, {1e-300, NONE},
        {NAN, NONE}, {INFINITY, NONE},
    };
    for (const auto& row : rows) {
        long k = NONE;
        EXPECT_EQ(quarterturns(row.angle, k), row.turns != NONE) << row.angle;
        EXPECT_EQ(k, row.turns) << row.angle;
    }
}

TEST(Polar, PrincipalAngleAndExactParts) {
    const struct {
        double radius, angle, principalradius, principalangle;
    } rows[] = {
        {-3, 0, 3, PI},
        {2, -PI, 2, PI},
        {2, PI_2 * 3, 2, -PI_2},
        {-1, -PI_2, 1, PI_2},
        {1, 2.5 + PI, 1, 2.5 - PI},
        {1, 1e17, 1, -2.6584887370946806},  // 1e17 - 2pi * 15915494309189534, to 60 digits
    };
    for (auto row : rows) {
        principal(row.radius, row.angle);
        EXPECT_EQ(row.radius, row.principalradius);
        EXPECT_NEAR(row.angle, row.principalangle, 4e-16 * std::fabs(row.principalangle));
    }
    double x, y;
    tocartesian(INFINITY, 0, x, y);
    EXPECT_EQ(x, INFINITY);
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(std::signbit(y));
    tocartesian(INFINITY, PI_2, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, INFINITY);
    tocartesian(-2, PI, x, y);
    EXPECT_EQ(x, 2);
    EXPECT_FALSE(std::signbit(y));
    double radius, angle;
    topolar(1e200, 1e200, radius, angle);
    EXPECT_DOUBLE_EQ(radius, 1.4142135623730951e200);
    EXPECT_DOUBLE_EQ(angle, PI_2 / 2);
    topolar(0, 0, radius, angle);
    EXPECT_EQ(angle, 0);
}

TEST(Strings, CompsMatchesNonEmptyPrefixes) {
    EXPECT_TRUE(comps("p", "plus"));
    EXPECT_TRUE(comps("plus", "plus"));
    EXPECT_FALSE(comps("plus", "p"));
    EXPECT_FALSE(comps("", ""));
    EXPECT_FALSE(comps("", "plus"));
    EXPECT_FALSE(comps("sinh", "sin"));
    EXPECT_FALSE(comps("px", "plus"));
    EXPECT_FALSE(comps("p", ""));
}

TEST(Strings, Strplus) {
    char* joined = strplus("#km", "=");
    EXPECT_STREQ(joined, "#km=");
    delete[] joined;
    joined = strplus("abc", "");
    EXPECT_STREQ(joined, "abc");
    delete[] joined;
    joined = strplus("", "");
    EXPECT_STREQ(joined, "");
    delete[] joined;
}

TEST(Strings, ReadwordCutsLongWordsAndKeepsFieldAtEnd) {
    std::string_view in = "  short\tlongerthanfield\n x";
    char field[6] = "old";
    EXPECT_TRUE(readword(in, field, sizeof field));
    EXPECT_STREQ(field, "short");
    EXPECT_TRUE(readword(in, field, sizeof field));
    EXPECT_STREQ(field, "longe");
    EXPECT_TRUE(readword(in, field, sizeof field));
    EXPECT_STREQ(field, "x");
    EXPECT_FALSE(readword(in, field, sizeof field));
    EXPECT_STREQ(field, "x");
}

}  // namespace

// The variables are cleared by the compiler, not by a constructor at start:
// every member must still hold its initial value.
TEST(Values, VariablesStartAsNewNodes) {
    lm fresh;
    for (const lm& slot : {std::cref(varib[1]), std::cref(varib[255])}) {
        EXPECT_EQ(slot.serial, fresh.serial);
        EXPECT_EQ(slot.kind, fresh.kind);
        EXPECT_EQ(slot.radius, 0);
        EXPECT_TRUE(slot.dim.u0());
        EXPECT_EQ(slot.next, nullptr);
        EXPECT_EQ(std::string_view(slot.text), "");
    }
}

// Every form of the global operators comes from the same routine, so that a
// sanitizer build sees each block freed as it was allocated.
TEST(Allocation, EveryFormPairsWithItsDelete) {
    delete new (std::nothrow) int(1);
    delete[] new (std::nothrow) int[3];
    struct alignas(64) Wide {
        char bytes[64];
    };
    Wide* wide = new Wide;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(wide) % 64, 0u);
    delete wide;
    delete[] new Wide[2];
    delete[] new (std::nothrow) Wide[2];
}

TEST(Strings, ReadwordEndsAWordThatNeverEnds) {
    std::string text = std::string(WORD_READ_MAX * 3, 'z') + " next";
    std::string_view in = text;
    char field[8];
    EXPECT_TRUE(readword(in, field, sizeof field));
    EXPECT_STREQ(field, "zzzzzzz");
    EXPECT_FALSE(readword(in, field, sizeof field));
}

// The index answers what a comparison with every name in order answers.
TEST(Strings, PrefixIndexFindsTheFirstNameAsCompsDoes) {
    const std::vector<const char*> names = {"plus", "c+", "sqrt", "sin", "asin", "e", "exp", "s", "c", "exit"};
    PrefixIndex<16> index;
    for (const char* name : names) index.add(name);
    const std::string letters = "pluscqrtinaex+";
    std::vector<std::string> texts = {""};
    for (std::size_t k = 0; k < texts.size() && texts.size() < 4000; ++k)
        if (texts[k].size() < 3)
            for (char c : letters) texts.push_back(texts[k] + c);
    for (const char* name : names) texts.push_back(name);
    for (const std::string& text : texts) {
        int expected = -1;
        for (std::size_t k = 0; k < names.size() && expected < 0; ++k)
            if (comps(text.c_str(), names[k])) expected = static_cast<int>(k);
        EXPECT_EQ(index.first(text.c_str()), expected) << text;
    }
}

TEST(About, HelpAndVersionOnlyAsTheFirstArgument) {
    auto run = [](std::vector<const char*> args, std::string& out) {
        Captured captured;
        bool handled = about(static_cast<int>(args.size()), const_cast<char**>(args.data()), "prog", "usage\n");
        out = captured.text();
        return handled;
    };
    std::string out;
    EXPECT_TRUE(run({"prog", "--help", "x"}, out));
    EXPECT_EQ(out, "usage\n");
    EXPECT_TRUE(run({"prog", "--version"}, out));
    EXPECT_EQ(out.rfind("prog ", 0), 0u);
    EXPECT_FALSE(run({"prog", "x", "--help"}, out));
    EXPECT_FALSE(run({"prog"}, out));
    EXPECT_EQ(out, "");
}
