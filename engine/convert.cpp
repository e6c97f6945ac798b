// "EXPR -> TARGET": the value of EXPR in the unit TARGET, in a list of units
// ("ft;in": whole numbers of each but the last), or on a temperature scale
// ("tempC", "tempF").  Each side is evaluated as an expression of its own.
#include <cmath>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "core/polar.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "engine.h"
#include "ops/contract.h"

namespace {
struct Value {
    double radius = 0, angle = 0;
    unit dim;
};

std::string trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Writes message and ends the line.
void refuse(const std::string& message) {
    warn(message.c_str());
    std::cout << '\n';
}

std::string dimensiontext(const unit& dim) {
    std::string text = readabledimension(dim);
    return text.empty() ? "1" : text.substr(1);
}

// The value of text, which must come to one number.  False after a message,
// with the line ended; nothing is the message for a text of no word.
bool valueof(const std::string& text, Value& value, const char* nothing) {
    if (!buildlist(text.c_str())) return false;
    if (!S) {
        refuse(nothing);
        return false;
    }
    if (!runlist()) {
        std::cout << '\n';
        return false;
    }
    bool one = !S->next && S->kind == KIND_NUMBER;
    if (one) value = {S->radius, S->angle, S->dim};
    exit0(1);
    if (!one) refuse("cant convert comands : ");
    return one;
}

bool samedimension(const Value& value, const unit& target) {
    if (!(value.dim != target)) return true;
    refuse("cant convert " + dimensiontext(value.dim) + " to " + dimensiontext(target) + " : ");
    return false;
}

void ending(const std::string& target) { std::cout << ' ' << target << (readable ? "" : " ") << '\n'; }

void remember(const Value& value) {
    varib[0].radius = value.radius;
    varib[0].angle = value.angle;
    varib[0].dim = value.dim;
    varib[0].text[0] = 0;
    varib[0].kind = KIND_NUMBER;
}

void tounit(const Value& value, const std::string& target) {
    Value size;
    if (!valueof(target, size, "nothing to convert to : ") || !samedimension(value, size.dim)) return;
    printnumber(value.radius / size.radius, value.angle - size.angle);
    ending(target);
    remember(value);
}

// 273.15 K is 0 on the Celsius scale; a kelvin is 9/5 of a degree Fahrenheit,
// and 0 degrees Celsius is 32 Fahrenheit.
void toscale(const Value& value, const std::string& target) {
    unit kelvin;
    kelvin.exponent[TEMP_SLOT] = 1;
    if (!samedimension(value, kelvin)) return;
    double x, y;
    tocartesian(value.radius, value.angle, x, y);
    x -= 273.15;
    if (target == "tempF") {
        x = x * 9 / 5 + 32;
        y = y * 9 / 5;
    }
    double radius = x, angle = 0;
    if (y != 0) topolar(x, y, radius, angle);
    printnumber(radius, angle);
    ending(target);
    remember(value);
}

// Whole numbers of every unit but the last, which takes what remains.
void tolist(const Value& value, const std::vector<std::string>& targets) {
    double rest, imaginary;
    tocartesian(value.radius, value.angle, rest, imaginary);
    std::vector<double> sizes;
    for (const std::string& target : targets) {
        Value size;
        if (!valueof(target, size, "nothing to convert to : ") || !samedimension(value, size.dim)) return;
        double x, y;
        tocartesian(size.radius, size.angle, x, y);
        sizes.push_back(x);
    }
    if (imaginary != 0) return refuse("cant convert a complex value to a list : ");
    for (std::size_t k = 0; k < targets.size(); ++k) {
        double part = k + 1 < targets.size() ? std::trunc(rest / sizes[k]) : rest / sizes[k];
        rest -= part * sizes[k];
        if (k > 0) std::cout << " + ";
        printnumber(part, 0);
        std::cout << ' ' << targets[k];
    }
    std::cout << (readable ? "" : " ") << '\n';
    remember(value);
}

std::vector<std::string> pieces(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t semicolon; (semicolon = text.find(';', start)) != std::string::npos; start = semicolon + 1)
        result.push_back(trimmed(text.substr(start, semicolon - start)));
    result.push_back(trimmed(text.substr(start)));
    return result;
}
}  // namespace

bool convertsunit(const char* expr) {
    const char* arrow = std::strstr(expr, "->");
    if (!arrow) return false;
    std::string left = trimmed(std::string(expr, arrow)), right = trimmed(arrow + 2);
    Value value;
    if (right.empty()) {
        refuse("nothing to convert to : ");
    } else if (right.find("->") != std::string::npos) {
        refuse("one -> at a time : ");
    } else if (valueof(left, value, "nothing to convert : ")) {
        std::vector<std::string> targets = pieces(right);
        if (targets.size() > 1)
            tolist(value, targets);
        else if (right == "tempC" || right == "tempF")
            toscale(value, right);
        else
            tounit(value, right);
    }
    return true;
}
