// A unit library written as people write units ("km = 1000*m") becomes the
// unit-macro file that expansion reads: each right side is evaluated, in
// order, with the entries before it, and written as one value built from the
// unit operators.
#include "library.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/deffile.h"
#include "core/output.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "engine/words.h"
#include "frontend/defindex.h"
#include "ops/contract.h"

namespace {
std::string shortest(double value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// "_c(_1000_$m_1_c)_": the value, then each exponent in the order length,
// mass, time, temperature, charge, amount; a negative one as "c-_2".
std::string macro(double value, const unit& dim) {
    static const struct {
        int slot;
        const char* op;
    } OPERATORS[] = {{LENGTH_SLOT, "$m"}, {MASS_SLOT, "$k"},   {TIME_SLOT, "$s"},
                     {TEMP_SLOT, "$d"},   {CHARGE_SLOT, "$c"}, {MOLE_SLOT, "$n"}};
    std::string text = "_c(_" + shortest(value);
    for (auto [slot, op] : OPERATORS) {
        double e = dim.exponent[slot];
        if (e != 0) text += std::string("_") + op + "_" + (e < 0 ? "c-_" + shortest(-e) : shortest(e));
    }
    return text + "_c)_";
}

// The value of expr with the entries so far: one real number and no message.
bool evaluate(const std::string& expr, double& value, unit& dim, std::string& why) {
    Captured captured;
    long before = messagecount();
    lm result;
    bool one = valueofexpression(expr.c_str(), result) == Outcome::NUMBER;
    if (one) {
        double y;
        result.parts(value, y);
        dim = result.dim;
        one = y == 0;
    }
    if (one && messagecount() == before) return true;
    why = captured.text().empty() ? "not one real value" : captured.text();
    return false;
}
// Why a name cannot be an entry of the library; empty when it can.
std::string refusedname(const std::string& name, const DefinitionsInMemory& made) {
    std::string_view definition;
    if (std::string why = refusedunitname(name); !why.empty()) return why;
    if (made.find(name, definition)) return "defined twice";
    return "";
}

// The source's lines, each "name = expression  # comment", in order.
struct Entry {
    int number;
    std::string name, expr;
    bool wellformed;
};

template <class Each>
void eachentry(std::string_view text, Each each) {
    int number = 0;
    eachline(text, [&](std::string_view line) {
        ++number;
        Entry entry{number, "", "", false};
        if (!trimmed(line.substr(0, line.find('#'))).empty()) {
            entry.wellformed = namedexpression(line, entry.name, entry.expr);
            each(entry);
        }
    });
}
}  // namespace

bool namedexpression(std::string_view line, std::string& name, std::string& expr) {
    line = trimmed(line.substr(0, line.find('#')));
    std::size_t equals = line.find('=');
    name = trimmed(line.substr(0, equals));
    expr = equals == std::string_view::npos ? "" : trimmed(line.substr(equals + 1));
    return equals != std::string_view::npos && !name.empty() && !expr.empty();
}

std::string refusedunitname(const std::string& name) {
    if (!findablename(name.c_str())) return "no expression can find this name";
    if (wordnamed(name.c_str())) return "shadows the keyword " + name;
    return "";
}

bool macrodefinition(const std::string& expr, std::string& definition, std::string& why) {
    double value;
    unit dim;
    if (!evaluate(expr, value, dim, why)) return false;
    definition = macro(value, dim);
    return true;
}

int writelibrary(const char* source, const char* target) {
    std::string text;
    if (readall(source, text) != DefFile::Status::READ) {
        errors << "phycalc: cannot read the unit source " << source << "\n";
        return 1;
    }
    // The entries so far are kept in memory, where expansion finds them by
    // name: each entry costs its own length, and no scratch file is left.
    static const char* const MADE = "(the entries so far)";
    DefinitionsInMemory made;
    keepinmemory(MADE, &made);
    SettingsScope keep;
    setmacrofile(MADE);
    setformulafile("");
    setuserunits("");
    EndingRefused going;  // "exit" on a right side ends that entry, not the build
    std::string entries;
    int problems = 0;
    eachentry(text, [&](const Entry& e) {
        std::string definition, why = e.wellformed ? refusedname(e.name, made) : "no \"name = value\"";
        if (why.empty() && macrodefinition(e.expr, definition, why)) {
            made.add(e.name, definition);
            entries += "#" + e.name + "=" + definition + "\n";
            return;
        }
        errors << source << ":" << e.number << ": " << e.name << ": " << why << "\n";
        ++problems;
    });
    keepinmemory(MADE, nullptr);
    if (problems) return 1;
    std::string file = source;
    std::string library = "Unit library of phycalc, made from " + file.substr(file.rfind('/') + 1) +
                          " by phycalc --units-from; edit that file.\n" +
                          "Each entry is one value built from the base-unit operators.\n\n" + entries;
    if (!replacefile(target, library, 0644)) {  // a failed run leaves no half file
        errors << "phycalc: cannot write " << target << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    return 0;
}
