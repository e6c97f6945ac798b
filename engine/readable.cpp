// The readable form: a result as a person writes it.  With the SI display
// names (m kg s K C mol) a dimension prints in the unit people name it by,
// with the SI prefix that brings the number between 1 and 1000; a complex
// value prints as x + yi, or as modulus and angle in degrees (--polar).
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "core/polar.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine.h"

namespace {
// The exponents of length, mass, time, temperature, charge and amount.
struct Exponents {
    double e[6];
};
constexpr int SLOT[6] = {LENGTH_SLOT, MASS_SLOT, TIME_SLOT, TEMP_SLOT, CHARGE_SLOT, MOLE_SLOT};

// Which SI prefixes a unit takes: the powers of 1000 from low to high.
struct Prefixes {
    int low, high;
};
constexpr Prefixes ALL = {-4, 4}, NONE = {0, 0}, UPTO_KILO = {-4, 1}, BELOW_ONE = {-4, 0};

struct Choice {
    const char* text;  // as printed: "J s", "W/m^2", "J/(kg K)"
    Exponents dim;
    Prefixes prefixes;  // of the first factor
    const char* what;   // the name of the dimension
};

// The one table of choices.  The named units first, in the order that
// settles a tie of the rule below; then the dimensions that people write in
// one fixed way.  Energy is J (not N m), s^-1 is Hz, pressure and energy
// density are Pa; the ampere is C/s, charge being a base dimension.
constexpr Choice NAMED[] = {
    {"N", {{1, 1, -2, 0, 0, 0}}, ALL, "force"},           {"J", {{2, 1, -2, 0, 0, 0}}, ALL, "energy"},
    {"W", {{2, 1, -3, 0, 0, 0}}, ALL, "power"},           {"Pa", {{-1, 1, -2, 0, 0, 0}}, ALL, "pressure"},
    {"Hz", {{0, 0, -1, 0, 0, 0}}, ALL, "frequency"},      {"A", {{0, 0, -1, 0, 1, 0}}, ALL, "electric current"},
    {"V", {{2, 1, -2, 0, -1, 0}}, ALL, "voltage"},        {"ohm", {{2, 1, -1, 0, -2, 0}}, ALL, "resistance"},
    {"F", {{-2, -1, 2, 0, 2, 0}}, ALL, "capacitance"},    {"H", {{2, 1, 0, 0, -2, 0}}, ALL, "inductance"},
    {"S", {{-2, -1, 1, 0, 2, 0}}, ALL, "conductance"},    {"T", {{0, 1, -1, 0, -1, 0}}, ALL, "magnetic flux density"},
    {"Wb", {{2, 1, -1, 0, -1, 0}}, ALL, "magnetic flux"},
};
constexpr Choice FIXED[] = {
    {"J s", {{2, 1, -1, 0, 0, 0}}, ALL, "action"},
    {"N s", {{1, 1, -1, 0, 0, 0}}, ALL, "momentum"},
    {"N/m", {{0, 1, -2, 0, 0, 0}}, ALL, "surface tension"},
    {"Pa s", {{-1, 1, -1, 0, 0, 0}}, ALL, "dynamic viscosity"},
    {"V/m", {{1, 1, -2, 0, -1, 0}}, ALL, "electric field"},
    {"A/m", {{-1, 0, -1, 0, 1, 0}}, ALL, "magnetic field strength"},
    {"ohm m", {{3, 1, -1, 0, -2, 0}}, ALL, "resistivity"},
    {"W/m^2", {{0, 1, -3, 0, 0, 0}}, ALL, "irradiance"},
    {"J/K", {{2, 1, -2, -1, 0, 0}}, ALL, "entropy"},
    {"J/mol", {{2, 1, -2, 0, 0, -1}}, ALL, "molar energy"},
    {"J/(kg K)", {{2, 0, -2, -1, 0, 0}}, ALL, "specific heat capacity"},
    {"J/(mol K)", {{2, 1, -2, -1, 0, -1}}, ALL, "molar heat capacity"},
    {"W/(m K)", {{1, 1, -3, -1, 0, 0}}, ALL, "thermal conductivity"},
    {"m/s", {{1, 0, -1, 0, 0, 0}}, UPTO_KILO, "speed"},
    {"m/s^2", {{1, 0, -2, 0, 0, 0}}, UPTO_KILO, "acceleration"},
    {"kg/m^3", {{-3, 1, 0, 0, 0, 0}}, NONE, "density"},
    {"N m^2/kg^2", {{3, -1, -2, 0, 0, 0}}, NONE, "gravitational constant"},
    {"N m^2/C^2", {{3, 1, -2, 0, -2, 0}}, NONE, "Coulomb's constant"},
};

// The dimensions of the base units, and of a few of their powers and
// products, by name.
constexpr Choice NAMES[] = {
    {"m", {{1, 0, 0, 0, 0, 0}}, NONE, "length"},
    {"kg", {{0, 1, 0, 0, 0, 0}}, NONE, "mass"},
    {"s", {{0, 0, 1, 0, 0, 0}}, NONE, "time"},
    {"K", {{0, 0, 0, 1, 0, 0}}, NONE, "temperature"},
    {"C", {{0, 0, 0, 0, 1, 0}}, NONE, "electric charge"},
    {"mol", {{0, 0, 0, 0, 0, 1}}, NONE, "amount of substance"},
    {"m^2", {{2, 0, 0, 0, 0, 0}}, NONE, "area"},
    {"m^3", {{3, 0, 0, 0, 0, 0}}, NONE, "volume"},
    {"mol/m^3", {{-3, 0, 0, 0, 0, 1}}, NONE, "concentration"},
    {"m^3/mol", {{3, 0, 0, 0, 0, -1}}, NONE, "molar volume"},
    {"kg/mol", {{0, 1, 0, 0, 0, -1}}, NONE, "molar mass"},
    {"J/kg", {{2, 0, -2, 0, 0, 0}}, NONE, "specific energy, absorbed dose"},
    {"mol/s", {{0, 0, -1, 0, 0, 1}}, NONE, "catalytic activity"},
};

// The base units: their symbols and prefixes (the kilogram aside).
constexpr const char* BASE[6] = {"m", "kg", "s", "K", "C", "mol"};
constexpr Prefixes BASE_PREFIXES[6] = {UPTO_KILO, NONE, BELOW_ONE, NONE, ALL, UPTO_KILO};

constexpr const char* PREFIX[9] = {"p", "n", "u", "m", "", "k", "M", "G", "T"};

Exponents exponentsof(const unit& dim) {
    Exponents x{};
    for (int k = 0; k < 6; ++k) x.e[k] = dim.exponent[SLOT[k]];
    return x;
}

bool same(const Exponents& a, const Exponents& b) {
    for (int k = 0; k < 6; ++k)
        if (a.e[k] != b.e[k]) return false;
    return true;
}

// How long a unit text is: its factors, then the sum of their exponents.
struct Length {
    int factors = 0;
    double sum = 0;
    bool operator<(const Length& o) const { return factors != o.factors ? factors < o.factors : sum < o.sum; }
};

Length lengthof(const Exponents& x) {
    Length length;
    for (double e : x.e)
        if (e != 0) {
            ++length.factors;
            length.sum += std::fabs(e);
        }
    return length;
}

std::string power(const char* symbol, double e) {
    std::string text = symbol;
    if (e != 1) text.append("^").append(exponenttext(e));
    return text;
}

// "m^2 kg", then "/s^2" or "/(s^2 K)".
std::string basetext(const Exponents& x, const char* first = nullptr) {
    std::string above = first ? first : "", below;
    int belowcount = 0;
    for (int k = 0; k < 6; ++k) {
        if (x.e[k] > 0) above.append(above.empty() ? "" : " ").append(power(BASE[k], x.e[k]));
        if (x.e[k] < 0) {
            below.append(below.empty() ? "" : " ").append(power(BASE[k], -x.e[k]));
            ++belowcount;
        }
    }
    if (below.empty()) return above;
    if (above.empty()) {  // "m^-1 s^-2": nothing to divide
        for (int k = 0; k < 6; ++k)
            if (x.e[k] < 0) above.append(above.empty() ? "" : " ").append(power(BASE[k], x.e[k]));
        return above;
    }
    return above + "/" + (belowcount > 1 ? "(" + below + ")" : below);
}

// The unit a dimension prints in.  Mass alone is handled apart (g and t).
struct Unit {
    std::string text;
    Prefixes prefixes;
};

Unit unitof(const Exponents& x) {
    for (const Choice& c : NAMED)
        if (same(x, c.dim)) return {c.text, c.prefixes};
    for (const Choice& c : FIXED)
        if (same(x, c.dim)) return {c.text, c.prefixes};
    // The shortest text: a named unit times base units, where that is
    // shorter than the base units alone; with no prefix, which few would
    // read right on such a unit.
    Length best = lengthof(x);
    const Choice* named = nullptr;
    Exponents rest{};
    for (const Choice& c : NAMED) {
        Exponents r;
        for (int k = 0; k < 6; ++k) r.e[k] = x.e[k] - c.dim.e[k];
        Length l = lengthof(r);
        ++l.factors;
        l.sum += 1;
        if (l < best) {
            best = l;
            named = &c;
            rest = r;
        }
    }
    if (named) return {basetext(rest, named->text), NONE};
    // A prefix only for a base unit alone, to the first power: a prefix of
    // m^2 would square too.
    Length length = lengthof(x);
    for (int k = 0; k < 6; ++k)
        if (x.e[k] == 1 && length.factors == 1) return {basetext(x), BASE_PREFIXES[k]};
    return {basetext(x), NONE};
}

bool siNames() {
    const char* const names[6] = {LENGTH, MASS, TIME, TEMP, CHARGE, MOLE};
    for (int k = 0; k < 6; ++k)
        if (trimmed(names[k]) != BASE[k]) return false;
    return true;
}

// nan has no sign that a person could use.
std::string number(double value) {
    return std::isnan(value) ? "nan" : std::string(formatted(value, NumberForm::GENERAL, precision));
}

// The number as printed: 999.9999999999999 shows as 1000.
double printed(double value) { return std::strtod(number(value).c_str(), nullptr); }

// The power of 1000 that brings size between 1 and 1000 as printed, within
// what the unit takes; 0 where none does.
int prefixpower(double size, Prefixes prefixes) {
    if (!(size > 0) || std::isinf(size)) return 0;
    int near = static_cast<int>(std::floor(std::log10(size) / 3));
    for (int p : {near, near + 1}) {
        if (p < prefixes.low || p > prefixes.high) continue;
        double shown = printed(size / std::pow(1000.0, p));
        if (shown >= 1 && shown < 1000) return p;
    }
    return 0;
}

double scaled(double value, int p) { return p >= 0 ? value / std::pow(1000.0, p) : value * std::pow(1000.0, -p); }

// "3 + 4i", "-2i", "5 angle 53.1301023542 deg"; grouped in brackets when a
// unit follows and the number has two parts.
std::string complextext(double x, double y, bool unitfollows) {
    if (y == 0) return number(x);
    std::string text;
    if (readablepolar) {
        double radius, angle;
        topolar(x, y, radius, angle);
        text = number(radius) + " angle " + number(angle * 180 / PI) + " deg";
    } else {
        std::string imaginary = number(std::fabs(y));
        imaginary = imaginary == "1" ? "i" : std::isfinite(y) ? imaginary + "i" : imaginary + "*i";
        if (x == 0) return (y < 0 ? "-" : "") + imaginary;
        text = number(x) + (y < 0 ? " - " : " + ") + imaginary;
    }
    return unitfollows ? "(" + text + ")" : text;
}

std::string withunit(double x, double y, const std::string& symbol, Prefixes prefixes) {
    int p = prefixpower(std::hypot(x, y), prefixes);
    std::string prefixed = std::string(PREFIX[p + 4]) + symbol;
    return complextext(scaled(x, p), scaled(y, p), true) + " " + prefixed;
}

// A mass: in grams below a kilogram, in tonnes from 1000 kg; the prefixes of
// each where they reach, else kilograms.
std::string masstext(double x, double y) {
    double size = std::hypot(x, y);
    if (size >= 1000 && size < 1e15) return withunit(x / 1000, y / 1000, "t", {0, 3});
    if (size >= 1e-15 && size < 1) return withunit(x * 1000, y * 1000, "g", {-4, 0});
    return complextext(x, y, true) + " kg";
}
}  // namespace

std::string readablenumber(const lm& value, bool unitfollows) {
    double x, y;
    printedparts(value, x, y);
    return complextext(x, y, unitfollows);
}

std::string readablequantity(const lm& value) {
    const unit& dim = value.dim;
    double x, y;
    printedparts(value, x, y);
    if (dim.u0()) return complextext(x, y, false);
    if (!siNames()) return complextext(x, y, true) + readabledimension(dim);
    Exponents e = exponentsof(dim);
    if (same(e, {{0, 1, 0, 0, 0, 0}})) return masstext(x, y);
    Unit u = unitof(e);
    return withunit(x, y, u.text, u.prefixes);
}

const char* dimensionname(const unit& dim) {
    if (dim.u0()) return "dimensionless";
    Exponents e = exponentsof(dim);
    for (const auto& table :
         {std::span<const Choice>(NAMED), std::span<const Choice>(FIXED), std::span<const Choice>(NAMES)})
        for (const Choice& c : table)
            if (same(e, c.dim)) return c.what;
    return "";
}
