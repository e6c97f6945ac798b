#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

#include "capture.h"
#include "core/deffile.h"
#include "core/quantity.h"
#include "engine/engine.h"
#include "engine/words.h"
#include "frontend/frontend.h"
#include "ops/ops.h"

namespace {

using ops::atanr;

using List = std::vector<std::string>;

TEST(Priorities, PrecedenceAndBracketLevels) {
    EXPECT_EQ(listof("2*(3+4)"), (List{"2", "c*:99", "3", "c+:108", "4"}));
    EXPECT_EQ(listof("1-2/3^4!"), (List{"1", "c-:98", "2", "c/:99", "3", "c^:100", "4", "c!:100"}));
    EXPECT_EQ(listof("s si pi i e exp x"), (List{"s:101", "si:101", "pi:117", "i:117", "e:117", "exp:101", "x:100"}));
    EXPECT_EQ(listof("%x 5=y $k"), (List{"c%x:107", "5", "c=y:103", "$k:106"}));
    EXPECT_EQ(listof("(((1)))+2"), (List{"1", "c+:98", "2"}));
    EXPECT_EQ(listof("1)+2"), (List{"1", "c+:88", "2"}));
}

// The pre-pass and the name rules spell the symbols apart from the table: they
// must agree with it.
TEST(Words, TheTableAgreesWithThePrepassAndTheNames) {
    int count;
    const Word* words = allwords(count);
    for (const Word* w = words; w < words + count; ++w) {
        EXPECT_EQ(wordrun(w->spelling), w->routine ? w : nullptr) << w->spelling;
        if (w->match != Match::SYMBOL) continue;
        char c = w->spelling[1];
        bool joins = w->kind == WordKind::STORE || w->kind == WordKind::RECALL;  // the letter follows
        EXPECT_STREQ(spell(c, 'x', 'x', false), (std::string(" ") + w->spelling + (joins ? "" : " ")).c_str());
        EXPECT_FALSE(findablename((std::string("a") + c).c_str())) << c;
        EXPECT_EQ(symbolword(c), w);
    }
    EXPECT_EQ(wordrun("c=x")->kind, WordKind::STORE);
    EXPECT_EQ(wordrun("log10"), nullptr);
    EXPECT_TRUE(functionpoint("log10"));
    EXPECT_FALSE(functionpoint("lg10"));
}

TEST(Priorities, UnaryMinusBecomesAProduct) {
    EXPECT_EQ(listof("-2^2"), (List{"-1", "c*:107", "2", "c^:100", "2"}));
    EXPECT_EQ(listof("2*-3"), (List{"2", "c*:99", "-1", "c*:107", "3"}));
    EXPECT_EQ(listof("(1)-2"), (List{"1", "c-:98", "2"}));
    EXPECT_EQ(listof("pi-1"), (List{"pi:117", "c-:98", "1"}));
    EXPECT_EQ(listof("3!-1"), (List{"3", "c!:100", "c-:98", "1"}));
    EXPECT_EQ(listof("%x-1"), (List{"c%x:107", "c-:98", "1"}));
    EXPECT_EQ(listof("sin-1"), (List{"sin:101", "-1", "c*:107", "1"}));
    EXPECT_EQ(listof("2*-"), (List{"2", "c*:99", "-1", "c*:107"}));
}

TEST(Priorities, BracesMultiplyAUnitBuiltOnOne) {
    EXPECT_EQ(listof("3{$m 1 $s -1}"), (List{"3", "c*:109", "1", "$m:116", "1", "$s:116", "-1", "c*:117", "1"}));
    EXPECT_EQ(listof("{$m 2}"), (List{"c*:109", "1", "$m:116", "2"}));
}

TEST(Priorities, FuncBracketsRaiseTheirContents) {
    EXPECT_EQ(listof("func(2 (3+4))"), (List{"func:118", "2", "3", "c+:568", "4"}));
    EXPECT_EQ(listof("f(1)+(2*3)"), (List{"f:118", "1", "c+:98", "2", "c*:109", "3"}));
    EXPECT_EQ(listof("f)(1+2)"), (List{"f:118", "1", "c+:98", "2"}));
    EXPECT_TRUE(listof("()").empty());
}

TEST(Angles, AtanrRange) {
    EXPECT_EQ(atanr(0, 0), 0);
    EXPECT_EQ(atanr(0, 5), 0);
    EXPECT_DOUBLE_EQ(atanr(1, 0), PI_2);
    EXPECT_DOUBLE_EQ(atanr(-1, 0), -PI_2);
    EXPECT_DOUBLE_EQ(atanr(0, -1), -PI);
    EXPECT_DOUBLE_EQ(atanr(1, -1), -5 * PI / 4);
    EXPECT_DOUBLE_EQ(atanr(-1, -1), -3 * PI / 4);
}

TEST(Angles, ReductionMovesTheSignIntoTheRadius) {
    double r = 2, a = PI;
    reduceangle(r, a);
    EXPECT_EQ(r, -2);
    EXPECT_EQ(a, 0);
    r = 1, a = PI_2;
    reduceangle(r, a);
    EXPECT_EQ(a, PI_2);
    // Within a turn the steps of pi are exact, and taken one by one.
    for (double start : {-4.0, -2.0, 2.0, 3.5, 6.0}) {
        double stepradius = 1, stepangle = start;
        while (stepangle < -PI_2) stepradius = -stepradius, stepangle += PI;
        while (stepangle > PI_2) stepradius = -stepradius, stepangle -= PI;
        r = 1, a = start;
        reduceangle(r, a);
        EXPECT_EQ(r, stepradius) << start;
        EXPECT_EQ(a, stepangle) << start;
    }
    // Beyond it the angle is the true one less n half turns: steps of the
    // double pi would drift by n roundings.
    const long double pi = 3.14159265358979323846264338327950288L;
    for (double start : {-7.0, 9.0, 150.0, 128.77871391976987}) {
        long n = std::lround(start / static_cast<double>(pi));
        r = 1, a = start;
        reduceangle(r, a);
        EXPECT_NEAR(a, static_cast<double>(start - n * pi), 4e-16) << start;
        EXPECT_EQ(r, n % 2 == 0 ? 1 : -1) << start;
    }
    // Whole numbers of quarter turns are exact however many: (-2)^20, i^81.
    r = 1, a = 20 * PI;
    reduceangle(r, a);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(r, 1);
    r = 1, a = 81 * PI_2;
    reduceangle(r, a);
    EXPECT_EQ(a, PI_2);
    EXPECT_EQ(r, 1);
    r = 1, a = 1e300;
    reduceangle(r, a);
    EXPECT_LE(std::fabs(a), PI_2);
    r = 1, a = INFINITY;
    reduceangle(r, a);
    EXPECT_EQ(a, INFINITY);
}

TEST(Evaluation, PrintedNumbersGoToSlotZero) {
    EXPECT_EQ(evaluated("2 3*pi"), "2.000000000000e+00 9.424777960769e+00 \n");
    EXPECT_DOUBLE_EQ(varib[0].radius, 3 * PI);
    EXPECT_EQ(evaluated("2-3"), "-1.000000000000e+00 \n");
    EXPECT_EQ(varib[0].radius, 1);  // copied before the printer reduces the angle
    EXPECT_EQ(varib[0].angle, -PI);
}

TEST(Evaluation, ListIsGoneAfterEveryExpression) {
    for (const char* expr : {"1+2", "foo", "2-", "", "(", "3{$m 1}*2", "%q+1", "func(1 2) %0", "1)))))))))))+2"}) {
        evaluated(expr);
        EXPECT_EQ(S, nullptr) << expr;
    }
}

// The sanitizer build reports any node that a path through the routines leaks.
TEST(Evaluation, RepeatedEvaluationLeaksNothing) {
    const char* exprs[] = {"2*(3+4)", "sin(1+i)^2", "x y z", "-(-(-1))", "5=a %a*%a", "dln 1 2", "f(3 1 2)", "=(=)"};
    for (int round = 0; round < 200; ++round)
        for (const char* expr : exprs) evaluated(expr);
    EXPECT_EQ(evaluated("2*(3+4)"), "1.400000000000e+01 \n");
}

// Numbers are formatted without the stream; the text must be the stream's
// for every format and precision, sign, infinity, NaN and denormal.
TEST(Printing, NumbersAreFormattedAsTheStreamFormatsThem) {
    std::mt19937_64 random(12);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1,
                                  -1,
                                  0.5,
                                  1e300,
                                  -1e-300,
                                  5e-324,
                                  1.7976931348623157e308,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(),
                                  -std::numeric_limits<double>::quiet_NaN(),
                                  14,
                                  0.1,
                                  2.5,
                                  1234567.891,
                                  999999.5,
                                  9.9999999999995};
    for (int k = 0; k < 3000; ++k) {
        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);  // any bit pattern, denormals and NaNs among them
        values.push_back(
            std::ldexp(static_cast<double>(random() % 2000001) - 1000000, static_cast<int>(random() % 60) - 40));
        // Short decimals, as most results are: 1 to 16 digits at any exponent.
        std::string decimal = std::to_string(random() % 10000000000000000ull);
        decimal = decimal.substr(0, 1 + random() % decimal.size()) + "e" + std::to_string(int(random() % 640) - 330);
        values.push_back(std::strtod(decimal.c_str(), nullptr));
    }
    const std::pair<std::ios::fmtflags, NumberForm> formats[] = {{std::ios::scientific, NumberForm::SCIENTIFIC},
                                                                 {std::ios::fixed, NumberForm::FIXED},
                                                                 {std::ios::fmtflags{}, NumberForm::GENERAL}};
    const int precisions[] = {-3, 0, 1, 2, 5, 6, 12, 16, 17, 20, 40, 400};
    for (auto [format, form] : formats)
        for (int precision : precisions) {
            std::ostringstream stream;
            stream.setf(format, std::ios::floatfield);
            stream.precision(precision);
            for (double value : values) {
                if (format == std::ios::fixed && precision == 400 && std::fabs(value) > 1e30) continue;
                stream.str("");
                stream << value;
                ASSERT_EQ(formatted(value, form, precision), stream.str())
                    << std::hexfloat << value << " format " << format << " precision " << precision;
            }
        }
}

TEST(Printing, HugeFixedNumbersAndPrecisionsFit) {
    std::ostringstream stream;
    stream.setf(std::ios::fixed, std::ios::floatfield);
    stream.precision(100000);
    stream << -1.7976931348623157e308;
    EXPECT_EQ(formatted(-1.7976931348623157e308, NumberForm::FIXED, 100000), stream.str());
}

}  // namespace
