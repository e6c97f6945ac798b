// phycalc: evaluates each expression argument and prints one line for it.
// Output options act on every expression; "-u" (unit-names file) and "-f"
// (formula file) act from where they stand.  Any argument beginning with '-'
// keeps the argument after it from being evaluated, unless it is "-q".
// PHYCALC_UNITS names a unit-names file read before the command line.  A lone
// "-" at the end reads more expressions from standard input, one a line.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>

#include "check.h"
#include "core/about.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "files.h"
#include "input.h"
#include "usage.h"

namespace {
// Beyond this a number only gains zeros, and its text would need a buffer as
// large as the precision.
constexpr int MAX_PRECISION = 100000;

int precisionof(const char* value) { return std::min(clampedint(std::atof(value)), MAX_PRECISION); }

// An argument of "--" and a letter is an option of its own: it hides no
// argument after it.
bool islongoption(const char* arg) {
    return arg[0] == '-' && arg[1] == '-' && std::isalpha(static_cast<unsigned char>(arg[2]));
}

// The first long option that phycalc does not know, or null.  The values of
// "-u", "-f", "-p" and "-q" are not options.
const char* unknownoption(int argc, char** argv) {
    static const char* const KNOWN[] = {"--check", "--readable", "--help", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (comps("-u", argv[i]) || comps("-f", argv[i]) || comps("-p", argv[i]) || comps("-q", argv[i])) {
            ++i;
            continue;
        }
        if (!islongoption(argv[i])) continue;
        if (std::none_of(std::begin(KNOWN), std::end(KNOWN), [&](const char* k) { return !std::strcmp(k, argv[i]); }))
            return argv[i];
    }
    return nullptr;
}

bool hasargument(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], option)) return true;
    return false;
}

// The readable form: exponents as " m^2 kg s^-2", numbers in the general
// format with the set precision.
void readableform() {
    setreadable(true);
    std::cout.unsetf(std::ios::floatfield);
}

// Returns whether a number format ("-S1", "-S2", "-S3") was given.
bool setoutputform(int argc, char** argv) {
    bool format = false;
    for (int i = 1; i + 1 < argc; ++i)
        if (comps("-cr", argv[i])) setcartesian(true);
    for (int i = 1; i + 1 < argc; ++i) {
        if (!comps("-S", argv[i])) continue;
        format = true;
        switch (argv[i][2]) {
            case '1': std::cout.unsetf(std::ios::floatfield); break;
            case '2': std::cout.setf(std::ios::scientific, std::ios::floatfield); break;
            case '3': std::cout.setf(std::ios::fixed, std::ios::floatfield); break;
        }
    }
    for (int i = 1; i + 1 < argc; ++i)
        if (comps("-p", argv[i])) std::cout.precision(precisionof(argv[i + 1]));
    return format;
}

// "--check", alone but for "-u" and "-f" options: check the definition files.
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

bool isexpression(const char* arg, const char* before) {
    if (!arg[0]) return false;
    return (arg[0] != '-' && (before[0] != '-' || islongoption(before))) || comps("-q", before);
}
}  // namespace

int main(int argc, char** argv) {
    // To a pipe or a file, output goes in large blocks; a terminal sees each line.
    static char block[1 << 16];
    if (!isatty(STDOUT_FILENO)) std::setvbuf(stdout, block, _IOFBF, sizeof block);
    if (about(argc, argv, "phycalc", PHYCALC_USAGE)) return 0;
    std::cout.precision(12);
    std::cout.setf(std::ios::scientific, std::ios::floatfield);
    // The unit library of the environment, as if "-u FILE" stood first.
    if (const char* units = std::getenv("PHYCALC_UNITS"); units && units[0]) readunitnames(units);
    if (const char* option = unknownoption(argc, argv)) {
        std::cerr << "phycalc: unknown option " << option << " (phycalc --help lists them)\n";
        return 2;
    }
    bool check = checkrequested(argc, argv);
    bool format = !check && setoutputform(argc, argv);
    if (!check && hasargument(argc, argv, "--readable")) readableform();
    // A lone "-" at the end, unless it is the path of "-u" or "-f".
    bool fromstdin = argc >= 2 && !std::strcmp(argv[argc - 1], "-");
    for (int i = 1; i < argc; ++i) {
        if (i + 1 < argc && comps("-u", argv[i])) {
            readunitnames(argv[++i]);
            fromstdin = fromstdin && i + 1 < argc;
        } else if (i + 1 < argc && comps("-f", argv[i])) {
            readformulafile(argv[++i]);
            fromstdin = fromstdin && i + 1 < argc;
        } else if (!check && !(fromstdin && i + 1 == argc) && isexpression(argv[i], argv[i - 1])) {
            handlestr(argv[i]);
        }
    }
    int status = 0;
    if (check)
        status = checkdefinitions();
    else if (fromstdin || (argc == 1 && isatty(STDIN_FILENO))) {
        // A person at a terminal reads the readable form, unless a number format was asked for.
        if (isatty(STDIN_FILENO) && !format) readableform();
        status = readexpressions();
    }
    std::cout.flush();
    return status;
}
