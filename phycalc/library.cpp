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
#include "core/polar.h"
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
        tocartesian(result.radius, result.angle, value, y);
        dim = result.dim;
        one = y == 0;
    }
    if (one && messagecount() == before) return true;
    why = captured.text().empty() ? "not one real value" : captured.text();
    return false;
}
// text as the whole of the file at path; false, with errno set, when it
// cannot be written.
bool writetext(const char* path, const std::string& text) {
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    for (std::size_t done = 0; done < text.size();) {
        ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            int error = wrote < 0 ? errno : ENOSPC;
            close(fd);
            errno = error;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return close(fd) == 0;
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
    for (std::string_view rest = text; !rest.empty();) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        ++number;
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        std::size_t equals = line.find('=');
        std::string name(trimmed(line.substr(0, equals)));
        std::string expr(equals == std::string_view::npos ? "" : trimmed(line.substr(equals + 1)));
        each(Entry{number, name, expr, equals != std::string_view::npos && !name.empty() && !expr.empty()});
    }
}
}  // namespace

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
    // Written whole under another name first, so that a failed run leaves no half file.
    std::string file = source, partial = std::string(target) + ".partial";
    std::string library = "Unit library of phycalc, made from " + file.substr(file.rfind('/') + 1) +
                          " by phycalc --units-from; edit that file.\n" +
                          "Each entry is one value built from the base-unit operators.\n\n" + entries;
    if (!writetext(partial.c_str(), library) || std::rename(partial.c_str(), target) != 0) {
        errors << "phycalc: cannot write " << target << ": " << std::strerror(errno) << "\n";
        std::remove(partial.c_str());
        return 1;
    }
    return 0;
}
