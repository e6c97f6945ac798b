// phycalc: evaluates each expression argument and prints one line for it.
// Output options act on every expression; "-u" (unit-names file) and "-f"
// (formula file) act from where they stand.  Any argument beginning with '-'
// keeps the argument after it from being evaluated, unless it is "-q".
// PHYCALC_UNITS names a unit-names file read before the command line.  A lone
// "-" at the end reads more expressions from standard input, one a line.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

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

void setoutputform(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (comps("-cr", argv[i])) setcartesian(true);
    for (int i = 1; i + 1 < argc; ++i) {
        if (!comps("-S", argv[i])) continue;
        switch (argv[i][2]) {
            case '1': std::cout.unsetf(std::ios::floatfield); break;
            case '2': std::cout.setf(std::ios::scientific, std::ios::floatfield); break;
            case '3': std::cout.setf(std::ios::fixed, std::ios::floatfield); break;
        }
    }
    for (int i = 1; i + 1 < argc; ++i)
        if (comps("-p", argv[i])) std::cout.precision(precisionof(argv[i + 1]));
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
    return (arg[0] != '-' && before[0] != '-') || comps("-q", before);
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
    bool check = checkrequested(argc, argv);
    if (!check) setoutputform(argc, argv);
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
    else if (fromstdin || (argc == 1 && isatty(STDIN_FILENO)))
        status = readexpressions();
    std::cout.flush();
    return status;
}
