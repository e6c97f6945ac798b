#include "options.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "core/output.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"

namespace {
// Beyond this a number only gains zeros, and its text would need a buffer as
// large as the precision.
constexpr int MAX_PRECISION = 100000;

int precisionof(const char* value) { return std::min(clampedint(std::atof(value)), MAX_PRECISION); }

// An option of one '-', as its leading characters make it ("-crx" is "-cr").
bool isshortoption(const char* arg) {
    for (const char* option : {"-cr", "-S", "-p", "-u", "-f", "-q"})
        if (comps(option, arg)) return true;
    return false;
}
}  // namespace

bool islongoption(const char* arg) {
    return arg[0] == '-' && arg[1] == '-' && std::isalpha(static_cast<unsigned char>(arg[2]));
}

// The values of "-u", "-f", "-p" and "-q" are not options.
const char* unknownoption(int argc, char** argv) {
    static const char* const KNOWN[] = {"--check", "--list",    "--readable",  "--strict",
                                        "--help",  "--version", "--units-from"};
    for (int i = 1; i < argc; ++i) {
        if (comps("-u", argv[i]) || comps("-f", argv[i]) || comps("-p", argv[i]) || comps("-q", argv[i])) {
            ++i;
            continue;
        }
        if (!islongoption(argv[i])) continue;
        auto known = [&](const char* k) { return !std::strcmp(k, argv[i]); };
        if (std::none_of(std::begin(KNOWN), std::end(KNOWN), known)) return argv[i];
    }
    return nullptr;
}

bool hasargument(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], option)) return true;
    return false;
}

bool checkrequested(int argc, char** argv) {
    int checks = 0;
    for (int i = 1; i < argc; ++i) {
        if (i + 1 < argc && (comps("-u", argv[i]) || comps("-f", argv[i])))
            ++i;
        else if (!std::strcmp(argv[i], "--check"))
            ++checks;
        else
            return false;
    }
    return checks == 1;
}

const char* listrequested(int argc, char** argv) {
    const char* pattern = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (i + 1 < argc && (comps("-u", argv[i]) || comps("-f", argv[i]))) {
            ++i;
        } else if (!std::strcmp(argv[i], "--list") && !pattern) {
            pattern = "";
            if (i + 1 < argc && argv[i + 1][0] != '-') pattern = argv[++i];
        } else {
            return nullptr;
        }
    }
    return pattern;
}

bool setoutputform(int argc, char** argv) {
    bool format = false;
    for (int i = 1; i + 1 < argc; ++i)
        if (comps("-cr", argv[i])) setcartesian(true);
    for (int i = 1; i + 1 < argc; ++i) {
        if (!comps("-S", argv[i])) continue;
        format = true;
        switch (argv[i][2]) {
            case '1': output.form = NumberForm::GENERAL; break;
            case '2': output.form = NumberForm::SCIENTIFIC; break;
            case '3': output.form = NumberForm::FIXED; break;
        }
    }
    for (int i = 1; i + 1 < argc; ++i)
        if (comps("-p", argv[i])) output.precision = precisionof(argv[i + 1]);
    return format;
}

void readableform() {
    setreadable(true);
    output.form = NumberForm::GENERAL;
}

bool isexpression(const char* arg, const char* before) {
    if (!arg[0]) return false;
    return (arg[0] != '-' && (before[0] != '-' || islongoption(before))) || comps("-q", before);
}

void notehidden(const char* arg, const char* before) {
    if (!arg[0]) return;
    if (arg[0] == '-') {
        if (!isshortoption(arg) && !islongoption(arg) && arg[1])
            errors << "phycalc: " << arg << " is not evaluated: it begins with -; write -q " << arg << "\n";
    } else if (!comps("-p", before)) {
        errors << "phycalc: " << arg << " is not evaluated: " << before << " hides the argument after it; write "
               << (isshortoption(before) ? before : "") << (isshortoption(before) ? " " : "") << "-q " << arg << "\n";
    }
}
