// The shipped unit library: every entry is one positive real value, and its
// values and dimensions agree with published definitions and with each other.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <sstream>
#include <string>

#include "capture.h"
#include "core/deffile.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "ops/contract.h"

namespace {

const std::string LIBRARY = DATA_DIR "/si.units";

struct Conversion {
    const char* expr;  // comes out without dimension
    double value;
    double tolerance = 1e-15;  // relative
};

// Exact values of the definitions, the CODATA 2018 values, and identities
// between units, which hold only when both sides carry the same dimension.
// clang-format off
const Conversion CONVERSIONS[] = {
    {"kg/(1000*g)", 1}, {"A/(C/s)", 1}, {"K/degC", 1}, {"degF/K", 5.0 / 9}, {"mol*NA", 6.02214076e23},
    {"lm/(cd*sr*rad)", 1}, {"Hz*s", 1}, {"N/(kg*m/s^2)", 1}, {"Pa/(N/m^2)", 1}, {"J/(N*m)", 1}, {"W/(J/s)", 1},
    {"V/(W/A)", 1}, {"F/(C/V)", 1}, {"ohm/(V/A)", 1}, {"S*ohm", 1}, {"Wb/(V*s)", 1}, {"T/(Wb/m^2)", 1},
    {"H/(Wb/A)", 1}, {"lx/(lm/m^2)", 1}, {"Bq*s", 1}, {"Gy/(J/kg)", 1}, {"Sv/Gy", 1}, {"kat/(mol/s)", 1},
    {"min/s", 60}, {"h/min", 60}, {"hr/h", 1}, {"d/h", 24}, {"day/d", 1}, {"wk/day", 7}, {"yr/d", 365.25},
    {"L/m^3", 1e-3}, {"t/kg", 1000}, {"bar/Pa", 1e5}, {"atm/Pa", 101325}, {"Torr/Pa", 101325.0 / 760},
    {"torr/Torr", 1}, {"mmHg/Pa", 133.322387415}, {"psi/(lbf/in^2)", 1}, {"eV/J", 1.602176634e-19},
    {"Da/kg", 1.66053906660e-27}, {"u/Da", 1}, {"au/m", 149597870700}, {"AU/au", 1}, {"ly/m", 9460730472580800},
    {"pc/au", 648000 / PI}, {"angstrom/m", 1e-10}, {"in/m", 0.0254}, {"ft/in", 12}, {"yd/ft", 3}, {"mi/m", 1609.344},
    {"mi/ft", 5280}, {"nmi/m", 1852}, {"lb/kg", 0.45359237}, {"lb/oz", 16}, {"gal/in^3", 231}, {"cal/J", 4.184},
    {"kcal/cal", 1000}, {"Wh/J", 3600}, {"kWh/J", 3.6e6}, {"erg/J", 1e-7}, {"Btu/J", 1055.05585262},
    {"hp/W", 745.69987158227022}, {"kmh/(m/s)", 1 / 3.6}, {"mph/(mi/h)", 1}, {"kn/(nmi/h)", 1}, {"deg*180/pi", 1},
    {"arcmin*60/deg", 1}, {"arcsec*3600/deg", 1}, {"ha/m^2", 1e4}, {"acre/ft^2", 43560}, {"barn/m^2", 1e-28},
    {"lbf/N", 4.4482216152605}, {"kgf/N", 9.80665}, {"dyn/N", 1e-5}, {"gauss/T", 1e-4}, {"Ci/Bq", 3.7e10},
    {"percent", 0.01}, {"ppm", 1e-6}, {"c/(m/s)", 299792458}, {"hP/(J*s)", 6.62607015e-34}, {"hbar*2*pi/hP", 1},
    {"qe/C", 1.602176634e-19}, {"kB/(J/K)", 1.380649e-23}, {"R/(J/mol/K)", 8.314462618153240},
    {"faraday/(C/mol)", 96485.33212331001}, {"G/(m^3/kg/s^2)", 6.67430e-11}, {"g0/(m/s^2)", 9.80665},
    {"me/kg", 9.1093837015e-31}, {"mp/kg", 1.67262192369e-27}, {"mn/kg", 1.67492749804e-27},
    {"mmu/kg", 1.883531627e-28}, {"mu/Da", 1}, {"eps0/(F/m)", 8.8541878128e-12}, {"mu0/(N/A^2)", 1.25663706212e-6},
    {"Z0/ohm", 376.730313668}, {"ke/(N*m^2/C^2)", 8.9875517923e9}, {"alpha", 7.2973525693e-3},
    {"Rinf*m", 10973731.568160}, {"a0/m", 5.29177210903e-11}, {"re/m", 2.8179403262e-15},
    {"Eh/J", 4.3597447222071e-18}, {"sigma/(W/m^2/K^4)", 5.670374419e-8, 1e-9}, {"muB/(J/T)", 9.2740100783e-24},
    {"muN/(J/T)", 5.0507837461e-27}, {"Phi0/Wb", 2.067833848e-15, 1e-9}, {"G0/S", 7.748091729e-5, 1e-9},
    {"KJ/(Hz/V)", 483597.8484e9, 1e-9}, {"RK/ohm", 25812.80745, 1e-9}, {"bWien/(m*K)", 2.897771955e-3},
    // Relations between constants, to the precision of the measured ones.
    {"ke*4*pi*eps0", 1, 1e-9}, {"c^2*mu0*eps0", 1, 1e-9}, {"alpha*4*pi*eps0*hbar*c/qe^2", 1, 1e-9},
    {"Rinf*2*hP/(alpha^2*me*c)", 1, 1e-9}, {"Z0/(mu0*c)", 1, 1e-9},
};
// clang-format on

const std::pair<const char*, int> PREFIXES[] = {
    {"q", -30}, {"r", -27}, {"y", -24}, {"z", -21}, {"a", -18}, {"f", -15}, {"p", -12}, {"n", -9},
    {"u", -6},  {"m", -3},  {"c", -2},  {"d", -1},  {"da", 1},  {"h", 2},   {"k", 3},   {"M", 6},
    {"G", 9},   {"T", 12},  {"P", 15},  {"E", 18},  {"Z", 21},  {"Y", 24},  {"R", 27},  {"Q", 30},
};

// Names that take over the abbreviation of a keyword (s no longer runs sqrt);
// README.md and the manual list them.
const std::set<std::string> ABBREVIATIONS_TAKEN = {"c", "d", "m", "mi", "min", "R", "s", "t", "as"};

class Library : public testing::Test {
protected:
    void SetUp() override {
        setmacrofile(LIBRARY.c_str());
        setformulafile("");
    }
    void TearDown() override { setmacrofile(""); }

    // Evaluates expr; fails unless it gives exactly one real number and no message.
    static bool value(const std::string& expr, lm& result) {
        long before = messagecount();
        std::string out = evaluated(expr.c_str());
        result = varib[0];
        for (std::size_t open; (open = out.find('{')) != std::string::npos;)
            out.erase(open, out.find('}', open) + 1 - open);
        std::istringstream words(out);
        int values = 0;
        for (std::string word; words >> word;) ++values;
        bool one = values == 1;
        EXPECT_EQ(messagecount(), before) << expr << ": " << out;
        EXPECT_TRUE(one) << expr << " gives more than one value: " << out;
        EXPECT_EQ(result.angle, 0) << expr;
        return messagecount() == before && one && result.angle == 0;
    }
};

TEST_F(Library, ConversionsAgreeWithPublishedValues) {
    for (const Conversion& c : CONVERSIONS) {
        lm result;
        if (!value(c.expr, result)) continue;
        EXPECT_TRUE(result.dim.u0()) << c.expr << " keeps a dimension";
        EXPECT_NEAR(result.radius / c.value, 1, c.tolerance) << c.expr << " = " << result.radius;
    }
}

// An entry that no conversion names must be a prefixed unit: a prefix, then an
// entry of the library, scaled by the prefix with the same dimension.
TEST_F(Library, EveryEntryIsAPositiveValueOfTheRightDimension) {
    std::set<std::string> converted;
    for (const Conversion& c : CONVERSIONS) {
        std::string word;
        for (const char* p = c.expr;; ++p) {
            if (std::isalnum(static_cast<unsigned char>(*p))) {
                word += *p;
                continue;
            }
            converted.insert(word);
            word.clear();
            if (!*p) break;
        }
    }
    DefFile file(LIBRARY.c_str());
    ASSERT_GT(file.entries().size(), 600u);
    for (std::string_view entry : file.entries()) {
        std::string name(entry.substr(0, entry.find('=')));
        lm unitvalue;
        if (!value(name, unitvalue)) continue;
        EXPECT_GT(unitvalue.radius, 0) << name;
        if (converted.count(name)) continue;
        bool prefixed = false;
        for (const auto& [prefix, exponent] : PREFIXES) {
            std::string base = name.substr(std::strlen(prefix));
            lm basevalue;
            if (name.rfind(prefix, 0) != 0 || !converted.count(base) || !value(base, basevalue)) continue;
            prefixed = !(basevalue.dim != unitvalue.dim) &&
                       std::fabs(unitvalue.radius / (basevalue.radius * std::pow(10.0, exponent)) - 1) < 1e-15;
        }
        EXPECT_TRUE(prefixed) << name << " is neither converted nor a prefixed unit";
    }
}

TEST_F(Library, NamesThatTakeOverAKeywordAbbreviationAreTheDocumentedOnes) {
    std::set<std::string> taken;
    DefFile file(LIBRARY.c_str());
    for (std::string_view entry : file.entries()) {
        std::string name(entry.substr(0, entry.find('=')));
        if (keywordrun(name.c_str())) taken.insert(name);
    }
    EXPECT_EQ(taken, ABBREVIATIONS_TAKEN);
}

}  // namespace
