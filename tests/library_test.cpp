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

// Exact values of the definitions, the CODATA 2022 values, and identities
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
    {"Da/kg", 1.66053906892e-27}, {"u/Da", 1}, {"au/m", 149597870700}, {"AU/au", 1}, {"ly/m", 9460730472580800},
    {"pc/au", 648000 / PI}, {"angstrom/m", 1e-10}, {"in/m", 0.0254}, {"ft/in", 12}, {"yd/ft", 3}, {"mi/m", 1609.344},
    {"mi/ft", 5280}, {"nmi/m", 1852}, {"lb/kg", 0.45359237}, {"lb/oz", 16}, {"gal/in^3", 231}, {"cal/J", 4.184},
    {"kcal/cal", 1000}, {"Wh/J", 3600}, {"kWh/J", 3.6e6}, {"erg/J", 1e-7}, {"Btu/J", 1055.05585262},
    {"hp/W", 745.69987158227022}, {"kmh/(m/s)", 1 / 3.6}, {"mph/(mi/h)", 1}, {"kn/(nmi/h)", 1}, {"deg*180/pi", 1},
    {"arcmin*60/deg", 1}, {"arcsec*3600/deg", 1}, {"ha/m^2", 1e4}, {"acre/ft^2", 43560}, {"barn/m^2", 1e-28},
    {"lbf/N", 4.4482216152605}, {"kgf/N", 9.80665}, {"dyn/N", 1e-5}, {"gauss/T", 1e-4}, {"Ci/Bq", 3.7e10},
    {"percent", 0.01}, {"ppm", 1e-6}, {"c/(m/s)", 299792458}, {"hP/(J*s)", 6.62607015e-34}, {"hbar*2*pi/hP", 1},
    {"qe/C", 1.602176634e-19}, {"kB/(J/K)", 1.380649e-23}, {"R/(J/mol/K)", 8.314462618153240},
    {"faraday/(C/mol)", 96485.33212331001}, {"G/(m^3/kg/s^2)", 6.67430e-11}, {"g0/(m/s^2)", 9.80665},
    {"me/kg", 9.1093837139e-31}, {"mp/kg", 1.67262192595e-27}, {"mn/kg", 1.67492750056e-27},
    {"mmu/kg", 1.883531627e-28}, {"mu/Da", 1}, {"eps0/(F/m)", 8.8541878188e-12}, {"mu0/(N/A^2)", 1.25663706127e-6},
    {"Z0/ohm", 376.730313412}, {"ke/(N*m^2/C^2)", 8.9875517862e9}, {"alpha", 7.2973525643e-3},
    {"Rinf*m", 10973731.568157}, {"a0/m", 5.29177210544e-11}, {"re/m", 2.8179403205e-15},
    {"Eh/J", 4.3597447222060e-18}, {"sigma/(W/m^2/K^4)", 5.670374419e-8, 1e-9}, {"muB/(J/T)", 9.2740100657e-24},
    {"muN/(J/T)", 5.0507837393e-27}, {"Phi0/Wb", 2.067833848e-15, 1e-9}, {"G0/S", 7.748091729e-5, 1e-9},
    {"KJ/(Hz/V)", 483597.8484e9, 1e-9}, {"RK/ohm", 25812.80745, 1e-9}, {"bWien/(m*K)", 2.897771955e-3},
    // Light, optics, radiation, chemistry, astronomy: NIST SP 811, CODATA 2022, IAU 2015 B3.
    {"lightsecond/m", 299792458}, {"ls/lightsecond", 1}, {"lightminute/m", 17987547480},
    {"lighthour/m", 1079252848800}, {"lightday/m", 25902068371200}, {"lambdaC/m", 2.42631023538e-12, 1e-11},
    {"comptonwavelength/lambdaC", 1}, {"rutherford/Bq", 1e6}, {"Rd/rutherford", 1}, {"rd/Gy", 0.01},
    {"footcandle/lx", 10.76391, 1e-6}, {"fc/footcandle", 1}, {"nit*m^2/cd", 1}, {"nt/nit", 1}, {"diopter*m", 1},
    {"dioptre/diopter", 1}, {"dpt/diopter", 1}, {"Vm/(m^3/mol)", 22.41396954e-3, 1e-9}, {"molarvolume/Vm", 1},
    {"degR/K", 5.0 / 9}, {"rankine/degR", 1}, {"impgal/m^3", 4.54609e-3}, {"ukgal/impgal", 1},
    {"usgal/m^3", 3.785411784e-3}, {"solarradius/m", 6.957e8}, {"solarluminosity/W", 3.828e26},
    {"solarmass/Msun", 1}, {"jupitermass/Mjup", 1}, {"earthmass/Mearth", 1}, {"bohrmagneton/muB", 1},
    {"nuclearmagneton/muN", 1}, {"rydberg/Ry", 1},
    // Long names and other spellings.
    {"meter/m", 1}, {"metre/m", 1}, {"second/s", 1}, {"minute/min", 1}, {"hour/h", 1}, {"week/wk", 1}, {"year/yr", 1},
    {"gram/g", 1}, {"tonne/t", 1}, {"kelvin/K", 1}, {"mole/mol", 1}, {"ampere/A", 1}, {"amp/A", 1}, {"coulomb/C", 1},
    {"candela/cd", 1}, {"hertz/Hz", 1}, {"newton/N", 1}, {"pascal/Pa", 1}, {"joule/J", 1}, {"watt/W", 1},
    {"volt/V", 1}, {"farad/F", 1}, {"siemens/S", 1}, {"weber/Wb", 1}, {"tesla/T", 1}, {"henry/H", 1},
    {"lumen/lm", 1}, {"lux/lx", 1}, {"becquerel/Bq", 1}, {"gray/Gy", 1}, {"sievert/Sv", 1}, {"katal/kat", 1},
    {"radian/rad", 1}, {"steradian/sr", 1}, {"liter/L", 1}, {"litre/L", 1}, {"electronvolt/eV", 1}, {"dalton/Da", 1},
    {"amu/u", 1}, {"astronomicalunit/au", 1}, {"lightyear/ly", 1}, {"parsec/pc", 1}, {"inch/in", 1}, {"foot/ft", 1},
    {"feet/ft", 1}, {"yard/yd", 1}, {"mile/mi", 1}, {"nauticalmile/nmi", 1}, {"pound/lb", 1}, {"ounce/oz", 1},
    {"gallon/gal", 1}, {"calorie/cal", 1}, {"kilocalorie/kcal", 1}, {"Cal/kcal", 1}, {"horsepower/hp", 1},
    {"knot/kn", 1}, {"degree/deg", 1}, {"arcminute/arcmin", 1}, {"arcsecond/arcsec", 1}, {"hectare/ha", 1},
    {"atmosphere/atm", 1}, {"dyne/dyn", 1}, {"curie/Ci", 1}, {"BTU/Btu", 1}, {"kph/kmh", 1}, {"fps/(ft/s)", 1},
    {"hartree/Eh", 1}, {"bohr/a0", 1},
    // Volume, mass, length (NIST SP 811 and the statutes that define them).
    {"galUK/L", 4.54609}, {"pint/L", 0.473176473}, {"pt/pint", 1}, {"quart/L", 0.946352946}, {"qt/quart", 1},
    {"cup/mL", 236.5882365}, {"floz/mL", 29.5735295625}, {"tbsp/mL", 14.78676478125}, {"tsp/mL", 4.92892159375},
    {"pintUK/mL", 568.26125}, {"flozUK/mL", 28.4130625}, {"bbl/L", 158.987294928}, {"barrel/bbl", 1},
    {"bushel/L", 35.23907016688}, {"cc/mL", 1}, {"are/m^2", 100}, {"acrefoot/m^3", 1233.48183754752},
    {"shortton/kg", 907.18474}, {"longton/kg", 1016.0469088}, {"stone/kg", 6.35029318}, {"grain/kg", 6.479891e-5},
    {"gr/grain", 1}, {"ozt/g", 31.1034768}, {"carat/g", 0.2}, {"ct/carat", 1}, {"slug/kg", 14.593902937206365},
    {"furlong/m", 201.168}, {"chain/m", 20.1168}, {"rod/m", 5.0292}, {"fathom/m", 1.8288}, {"league/m", 4828.032},
    {"hand/m", 0.1016}, {"mil/m", 2.54e-5}, {"thou/mil", 1}, {"micron/m", 1e-6}, {"fermi/m", 1e-15},
    {"point/mm", 0.3527777777777778}, {"pica/mm", 4.233333333333333},
    // Time, angle and rotation.
    {"fortnight/s", 1209600}, {"decade/yr", 10}, {"century/yr", 100}, {"millennium/yr", 1000}, {"shake/s", 1e-8},
    {"siderealday/s", 86164.0905}, {"siderealyear/d", 365.256363004}, {"tropicalyear/d", 365.24219},
    {"rpm*s", 1.0 / 60}, {"rps*s", 1}, {"turn/deg", 360}, {"rev/turn", 1}, {"grad/deg", 0.9}, {"gon/grad", 1},
    {"mas/arcsec", 1e-3},
    // Force, pressure, energy, power.
    {"kip/N", 4448.2216152605}, {"poundal/N", 0.138254954376}, {"pdl/poundal", 1}, {"ozf/N", 0.27801385095378125},
    {"ksi/Pa", 6894757.293168361}, {"inHg/Pa", 3386.389}, {"cmHg/Pa", 1333.22387415}, {"inH2O/Pa", 249.08891},
    {"cmH2O/Pa", 98.0665}, {"mmH2O/Pa", 9.80665}, {"techatm/Pa", 98066.5}, {"barye/Pa", 0.1}, {"calIT/J", 4.1868},
    {"therm/J", 105480400}, {"quad/J", 1.05505585262e18}, {"tTNT/J", 4.184e9}, {"ktTNT/tTNT", 1000},
    {"MtTNT/tTNT", 1e6}, {"toe/J", 41.868e9}, {"Ry/J", 2.1798723611030e-18, 1e-12}, {"hpM/W", 735.49875},
    {"hpE/W", 746}, {"TR/W", 3516.8528420666665},
    // Radiation, concentration, CGS and electromagnetic units.
    {"roentgen/(C/kg)", 2.58e-4}, {"rem/Sv", 0.01}, {"molar/(mol/m^3)", 1000}, {"M/molar", 1}, {"mM/molar", 1e-3},
    {"uM/molar", 1e-6}, {"nM/molar", 1e-9}, {"pM/molar", 1e-12}, {"molal/(mol/kg)", 1}, {"ppb", 1e-9},
    {"ppt", 1e-12}, {"permille", 1e-3}, {"poise/(Pa*s)", 0.1}, {"P/poise", 1}, {"cP/(Pa*s)", 1e-3},
    {"stokes/(m^2/s)", 1e-4}, {"St/stokes", 1}, {"cSt/(m^2/s)", 1e-6}, {"Gal/(m/s^2)", 0.01}, {"kayser*m", 100},
    {"oersted/(A/m)", 79.57747154594767}, {"Oe/oersted", 1}, {"maxwell/Wb", 1e-8}, {"Mx/maxwell", 1},
    {"statC/C", 3.3356409519815204e-10}, {"statV/V", 299.792458}, {"abA/A", 10}, {"biot/abA", 1}, {"abC/C", 10},
    {"debye/(C*m)", 3.33564095198152e-30}, {"jansky/(W/m^2/Hz)", 1e-26}, {"Jy/jansky", 1},
    // Astronomy (IAU 2015 nominal values) and Planck units (CODATA 2022).
    {"Msun/kg", 1.98841e30, 1e-5}, {"Mearth/kg", 5.9722e24, 1e-4}, {"Mjup/kg", 1.8982e27, 1e-4},
    {"Rsun/m", 6.957e8}, {"Rearth/m", 6.3781e6}, {"Rjup/m", 7.1492e7}, {"Lsun/W", 3.828e26},
    {"lPl/m", 1.616255e-35, 1e-5}, {"tPl/s", 5.391247e-44, 1e-5}, {"mPl/kg", 2.176434e-8, 1e-5},
    {"EPl/J", 1.9561e9, 1e-4}, {"TPl/K", 1.416784e32, 1e-5}, {"qPl/C", 1.875546e-18, 1e-5},
    // Relations between constants, to the precision of the measured ones.
    {"ke*4*pi*eps0", 1, 1e-9}, {"c^2*mu0*eps0", 1, 1e-9}, {"alpha*4*pi*eps0*hbar*c/qe^2", 1, 1e-9},
    {"Rinf*2*hP/(alpha^2*me*c)", 1, 1e-9}, {"Z0/(mu0*c)", 1, 1e-9},
};
// clang-format on

const std::pair<const char*, int> PREFIXES[] = {
    {"q", -30},    {"r", -27},     {"y", -24},    {"z", -21},      {"a", -18},     {"f", -15},     {"p", -12},
    {"n", -9},     {"u", -6},      {"m", -3},     {"c", -2},       {"d", -1},      {"da", 1},      {"h", 2},
    {"k", 3},      {"M", 6},       {"G", 9},      {"T", 12},       {"P", 15},      {"E", 18},      {"Z", 21},
    {"Y", 24},     {"R", 27},      {"Q", 30},     {"quecto", -30}, {"ronto", -27}, {"yocto", -24}, {"zepto", -21},
    {"atto", -18}, {"femto", -15}, {"pico", -12}, {"nano", -9},    {"micro", -6},  {"milli", -3},  {"centi", -2},
    {"deci", -1},  {"deca", 1},    {"hecto", 2},  {"kilo", 3},     {"mega", 6},    {"giga", 9},    {"tera", 12},
    {"peta", 15},  {"exa", 18},    {"zetta", 21}, {"yotta", 24},   {"ronna", 27},  {"quetta", 30},
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
    ASSERT_GE(file.entries().size(), 1000u);
    for (std::string_view entry : file.entries()) {
        std::string name(entry.substr(0, entry.find('=')));
        lm unitvalue;
        if (!value(name, unitvalue)) continue;
        EXPECT_GT(unitvalue.radius, 0) << name;
        if (converted.count(name)) continue;
        bool prefixed = false;
        for (const auto& [prefix, exponent] : PREFIXES) {
            if (name.rfind(prefix, 0) != 0) continue;
            std::string base = name.substr(std::strlen(prefix));
            lm basevalue;
            if (!converted.count(base) || !value(base, basevalue)) continue;
            prefixed = !(basevalue.dim != unitvalue.dim) &&
                       std::fabs(unitvalue.radius / (basevalue.radius * std::pow(10.0, exponent)) - 1) < 1e-15;
        }
        EXPECT_TRUE(prefixed) << name << " is neither converted nor a prefixed unit";
    }
}

// The source of the library keeps every entry of version 1.0 the same double,
// but the measured constants, which moved to CODATA 2022.
TEST_F(Library, TheEntriesOfVersion1KeepTheirValues) {
    const std::set<std::string> MEASURED = {"me", "mp", "mn",  "mu",  "Da",   "u",   "alpha", "Rinf", "a0",
                                            "re", "Eh", "muB", "muN", "eps0", "mu0", "Z0",    "ke"};
    const std::string OLD = SOURCE_DIR "/tests/data/si-1.0.units";
    DefFile old(OLD.c_str());
    ASSERT_EQ(old.entries().size(), 711u);
    for (std::string_view entry : old.entries()) {
        std::string name(entry.substr(0, entry.find('=')));
        if (MEASURED.count(name)) continue;
        lm now, before;
        bool found = value(name, now);
        setmacrofile(OLD.c_str());
        found = value(name, before) && found;
        setmacrofile(LIBRARY.c_str());
        if (!found) continue;
        EXPECT_EQ(now.radius, before.radius) << name;
        EXPECT_FALSE(now.dim != before.dim) << name;
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
