#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "core/output.h"
#include "core/polar.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine.h"

void reduceangle(double& radius, double& angle) {
    if (!std::isfinite(angle)) return;
    // A whole number k of quarter turns is exact: 0 or +-pi/2, the half
    // turns in the sign of the radius.
    if (long k; angle != 0 && quarterturns(angle, k)) {
        long quarters = k < 0 ? -k : k;
        if ((quarters / 2) % 2 != 0) radius = -radius;
        angle = quarters % 2 == 0 ? 0 : k < 0 ? -PI_2 : PI_2;
        return;
    }
    // Beyond a turn the angle is first brought into (-pi, pi] at once, with
    // the exact reduction of sin and cos: steps of the double pi would drift.
    // Within it a step of pi is exact.
    if (std::fabs(angle) > 2 * PI) angle = std::atan2(std::sin(angle), std::cos(angle));
    while (angle < -PI_2) {
        radius = -radius;
        angle += PI;
    }
    while (angle > PI_2) {
        radius = -radius;
        angle -= PI;
    }
}

namespace {
// A whole number below 1e15 in the scientific form, when it has no more
// significant digits than the form shows: its digits are exact, so nothing is
// rounded (exponents of dimensions, counts, many sums).  Empty otherwise.
std::string_view wholescientific(double value, int shown, std::vector<char>& buffer) {
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(std::fabs(value))).ptr;
    int count = static_cast<int>(end - digits), exponent = count - 1;
    while (count > 1 && digits[count - 1] == '0') --count;
    if (count > shown + 1) return {};
    char* out = buffer.data();
    if (std::signbit(value)) *out++ = '-';
    *out++ = digits[0];
    if (shown > 0) *out++ = '.';
    out = std::copy(digits + 1, digits + count, out);
    out = std::fill_n(out, shown + 1 - count, '0');
    *out++ = 'e';
    *out++ = '+';
    if (exponent < 10) *out++ = '0';
    out = std::to_chars(out, out + 4, exponent).ptr;
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}
}  // namespace

std::string_view formatted(double value, NumberForm form, int digits) {
    static std::vector<char> buffer(64);
    // As printf: a negative precision stands for 6.
    if (digits < 0) digits = 6;
    // The longest text: sign, 309 integer digits of a fixed 1e308, point, digits.
    std::size_t longest = static_cast<std::size_t>(digits) + 330;
    if (buffer.size() < longest) buffer.resize(longest);
    if (form == NumberForm::SCIENTIFIC && std::fabs(value) < 1e15 && value == std::trunc(value))
        if (std::string_view text = wholescientific(value, digits, buffer); !text.empty()) return text;
    std::chars_format chars = form == NumberForm::SCIENTIFIC ? std::chars_format::scientific
                              : form == NumberForm::FIXED    ? std::chars_format::fixed
                                                             : std::chars_format::general;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, chars, digits);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

namespace {
struct Dimension {
    int slot;
    const char* separator;
    const char* name;
};

// Length first, then the order of the unit-names file.
const Dimension PRINT_ORDER[] = {
    {LENGTH_SLOT, "  ", LENGTH}, {MASS_SLOT, " ", MASS},     {TIME_SLOT, " ", TIME},
    {TEMP_SLOT, " ", TEMP},      {CHARGE_SLOT, " ", CHARGE}, {MOLE_SLOT, " ", MOLE},
};

struct Number {
    double value;
};

Output& operator<<(Output& out, Number n) { return out << formatted(n.value, numberform, precision); }

// The printed angle of a value with parts comes from them at once: left of
// the imaginary axis the stored angle is near pi and its reduction keeps only
// the digits that pi leaves a small angle, and a part the polar form lost
// (an angle rounded to 0 or pi) is there.  The half plane stays the one the
// polar form gives, and an angle on the imaginary axis stays exact.
void partsangle(const lm& value, double radius, double& angle) {
    if (!value.hasparts || std::fabs(angle) == PI_2 || (radius < 0) != (value.re < 0)) return;
    angle = value.re < 0 ? std::atan2(-value.im, -value.re) : std::atan2(value.im, value.re);
}

void printvalue(const lm& value) {
    Output& out = output;
    double x, y;
    if (!how223) {
        bool real = printedparts(value, x, y);
        out << Number{x};
        if (!real) out << "+i * " << Number{y};
        return;
    }
    double radius = value.radius, angle = value.angle;
    reduceangle(radius, angle);
    double c, s;
    cossin(angle, c, s);
    out << Number{radius};
    if (!value.hasparts && s * radius == 0) return;
    partsangle(value, radius, angle);
    if (value.hasparts && angle == 0) return;  // an angle below the smallest double
    out << "*exp(i*" << Number{angle} << ")";
}

void printdimension(const unit& dim) {
    for (const Dimension& d : PRINT_ORDER) {
        double exponent = dim.exponent[d.slot];
        if (exponent != 0) output << d.separator << '{' << d.name << "^(" << Number{exponent} << ")}";
    }
}

// Contract form: every node followed by a blank.  Readable form: nodes
// apart by one blank, exponents as " m^2 kg s^-2".
void printnode(const lm& node, bool first) {
    if (readable && !first) output << ' ';
    if (node.kind == KIND_COMMAND) {
        output << node.text;
    } else {
        if (readable) {
            output << readablequantity(node);
        } else {
            printnumber(node);
            printdimension(node.dim);
        }
    }
    if (!readable) output << ' ';
}
}  // namespace

std::string exponenttext(double exponent) {
    char text[32];
    auto result = std::fabs(exponent) < 1e15 && exponent == std::trunc(exponent)
                      ? std::to_chars(text, text + sizeof text, static_cast<long long>(exponent))
                      : std::to_chars(text, text + sizeof text, exponent);
    return {text, static_cast<std::size_t>(result.ptr - text)};
}

std::string readabledimension(const unit& dim) {
    std::string text;
    for (const Dimension& d : PRINT_ORDER) {
        double exponent = dim.exponent[d.slot];
        if (exponent == 0) continue;
        text.append(" ").append(trimmed(d.name));
        if (exponent != 1) text.append("^").append(exponenttext(exponent));
    }
    return text;
}

bool printedparts(const lm& value, double& x, double& y) {
    if (value.hasparts) {
        x = value.re;
        y = value.im;
        return false;
    }
    double radius = value.radius, angle = value.angle;
    reduceangle(radius, angle);
    double c, s;
    cossin(angle, c, s);
    if (s * radius == 0) {
        x = radius;
        y = 0;
        return true;
    }
    tocartesian(radius, angle, x, y);
    return false;
}

void printnumber(const lm& value) { printvalue(value); }

void printnumber(double radius, double angle) {
    lm value;
    value.radius = radius;
    value.angle = angle;
    printvalue(value);
}

void printlist() {
    bool first = true;
    for (C = S; C; C = C->next) {
        if (C->kind == KIND_NUMBER) varib[0] = *C;
        if (C->kind == KIND_COMMAND || C->kind == KIND_NUMBER) {
            printnode(*C, first);
            first = false;
        }
    }
}
