// "EXPR -> TARGET": the value of EXPR in the unit TARGET, in a list of units
// ("ft;in": whole numbers of each but the last), or on a temperature scale
// ("tempC", "tempF").  Each side is evaluated as an expression of its own.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "core/output.h"
#include "core/polar.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine.h"
#include "funcs/funcs.h"
#include "ops/contract.h"
#include "ops/ops.h"

namespace {
// Writes message and ends the line.
void refuse(const std::string& message) {
    warn(message.c_str());
    output << '\n';
}

std::string dimensiontext(const unit& dim) {
    std::string text = readabledimension(dim);
    return text.empty() ? "1" : text.substr(1);
}

// The value of text, which must come to one number.  False after a message,
// with the line ended; nothing is the message for a text of no word.
bool valueof(const std::string& text, lm& value, const char* nothing) {
    switch (valueofexpression(text.c_str(), value)) {
        case Outcome::NUMBER: return true;
        case Outcome::NOTHING: refuse(nothing); break;
        case Outcome::OTHER: refuse("cant convert comands : "); break;
        case Outcome::MESSAGE: output << '\n'; break;
    }
    return false;
}

bool samedimension(const lm& value, const unit& target) {
    if (!(value.dim != target)) return true;
    refuse("cant convert " + dimensiontext(value.dim) + " to " + dimensiontext(target) + " : ");
    return false;
}

bool nonzero(const lm& size) {
    if (size.radius != 0) return true;
    refuse("cant convert to a unit of value 0 : ");
    return false;
}

// The number of a converted value, a unit's text to follow it.
void printconverted(const lm& number) {
    if (readable)
        output << readablenumber(number, true);
    else
        printnumber(number);
}

void ending(const std::string& target) { output << ' ' << target << (readable ? "" : " ") << '\n'; }

// The value converted is the last one printed, for "=x" after it.
void remember(const lm& value) { varib[0] = value; }

void tounit(const lm& value, const std::string& target) {
    lm size;
    if (!valueof(target, size, "nothing to convert to : ") || !samedimension(value, size.dim) || !nonzero(size)) return;
    lm number;
    double x, y;
    bool scaled = ops::scaledparts(value, size, true, x, y);
    setvalue(&number, value.radius / size.radius, value.angle - size.angle);
    if (scaled) keepparts(&number, x, y);
    printconverted(number);
    ending(target);
    remember(value);
}

void toscale(const lm& value, const funcs::TemperatureScale& scale) {
    unit kelvin;
    kelvin.exponent[TEMP_SLOT] = 1;
    if (!samedimension(value, kelvin)) return;
    double x, y;
    value.parts(x, y);
    funcs::todegrees(scale, x, y);
    double radius = x, angle = 0;
    if (y != 0) topolar(x, y, radius, angle);
    lm number;
    setvalue(&number, radius, angle);
    keepparts(&number, x, y);
    printconverted(number);
    ending(scale.name);
    remember(value);
}

// Whole numbers of every unit but the last, which takes what remains.
void tolist(const lm& value, const std::vector<std::string>& targets) {
    double rest, imaginary;
    value.parts(rest, imaginary);
    std::vector<double> sizes;
    for (const std::string& target : targets) {
        lm size;
        if (!valueof(target, size, "nothing to convert to : ") || !samedimension(value, size.dim) || !nonzero(size))
            return;
        double x, y;
        size.parts(x, y);
        if (y != 0) return refuse("cant convert to a complex unit in a list : ");
        sizes.push_back(x);
    }
    if (imaginary != 0) return refuse("cant convert a complex value to a list : ");
    for (std::size_t k = 0; k < targets.size(); ++k) {
        double part = k + 1 < targets.size() ? std::trunc(rest / sizes[k]) : rest / sizes[k];
        rest -= part * sizes[k];
        if (k > 0) output << " + ";
        printnumber(part, 0);
        output << ' ' << targets[k];
    }
    output << (readable ? "" : " ") << '\n';
    remember(value);
}

// The arrow of a conversion: '-', any blanks, '>'.  Null when there is none;
// after is set to the character past it.
const char* arrowin(const char* text, const char*& after) {
    for (const char* p = text; (p = std::strchr(p, '-')); ++p) {
        const char* q = p + 1;
        while (*q == ' ' || *q == '\t') ++q;
        if (*q == '>') {
            after = q + 1;
            return p;
        }
    }
    return nullptr;
}

// Whether every bracket and brace of text closes within it.
bool balanced(std::string_view text) {
    int depth = 0;
    for (char c : text) {
        depth += c == '(' || c == '{';
        depth -= c == ')' || c == '}';
        if (depth < 0) return false;
    }
    return depth == 0;
}

std::vector<std::string> pieces(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t semicolon; (semicolon = text.find(';', start)) != std::string::npos; start = semicolon + 1)
        result.emplace_back(trimmed(std::string_view(text).substr(start, semicolon - start)));
    result.emplace_back(trimmed(std::string_view(text).substr(start)));
    return result;
}
}  // namespace

bool convertsunit(const char* expr) {
    const char *after, *ignored;
    const char* arrow = arrowin(expr, after);
    if (!arrow) return false;
    std::string left(trimmed(std::string_view(expr, arrow - expr))), right(trimmed(after));
    lm value;
    if (right.empty()) {
        refuse("nothing to convert to : ");
    } else if (arrowin(right.c_str(), ignored)) {
        refuse("one -> at a time : ");
    } else if (!balanced(left) || !balanced(right)) {
        // (1*m -> ft)*2 would print "ft)*2" as the unit.
        refuse("-> converts the whole line : ");
    } else if (valueof(left, value, "nothing to convert : ")) {
        std::vector<std::string> targets = pieces(right);
        if (targets.size() > 1)
            tolist(value, targets);
        else if (const funcs::TemperatureScale* scale = funcs::temperaturescale(right.c_str()))
            toscale(value, *scale);
        else
            tounit(value, right);
    }
    return true;
}
