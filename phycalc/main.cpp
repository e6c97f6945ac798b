// phycalc: evaluates each expression argument and prints one line for it.
// Output options act on every expression; "-u" (unit-names file) and "-f"
// (formula file) act from where they stand.  Any argument beginning with '-'
// keeps the argument after it from being evaluated, unless it is "-q".
// PHYCALC_UNITS names a unit-names file read before the command line.  A lone
// "-" at the end reads more expressions from standard input, one a line.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "check.h"
#include "core/about.h"
#include "core/output.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "files.h"
#include "help.h"
#include "input.h"
#include "library.h"
#include "list.h"
#include "ops/contract.h"
#include "options.h"
#include "usage.h"

namespace {
// Flushes standard output; false, with a note, when what was written is lost.
bool outputwritten() {
    if (output.flush()) return true;
    std::fflush(stdout);  // the write is tried again, so errno tells why
    errors << "phycalc: cannot write standard output: " << std::strerror(errno) << "\n";
    return false;
}
// The first line at the prompt: the units at hand, and where help is.
void greet() {
    output << "phycalc " << programversion() << ": ";
    if (MACNAME[0])
        output << "units of " << (UNAME[0] ? UNAME : "the unit-names file") << " from " << MACNAME;
    else
        output << "no units (-u si loads the library)";
    output << "; help for a short guide, Ctrl-D to end\n";
}
}  // namespace

int main(int argc, char** argv) {
    // To a pipe or a file, output goes in large blocks; a terminal sees each line.
    if (!isatty(STDOUT_FILENO)) output.holdblocks();
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a write error, and reported
    if (about(argc, argv, "phycalc", PHYCALC_USAGE)) return outputwritten() ? 0 : 2;
    output.precision = 12;
    output.form = NumberForm::SCIENTIFIC;
    // The unit library of the environment, as if "-u FILE" stood first.
    bool units = false;  // a unit-names file was named
    if (const char* names = std::getenv("PHYCALC_UNITS"); names && names[0]) {
        readunitnames(names);
        units = true;
    }
    // The build makes the library's unit-macro file from its source this way.
    if (argc == 4 && !std::strcmp(argv[1], "--units-from")) return writelibrary(argv[2], argv[3]);
    if (const char* option = unknownoption(argc, argv)) {
        errors << "phycalc: unknown option " << option << " (phycalc --help lists them)\n";
        return 2;
    }
    const char* list = listrequested(argc, argv);
    bool check = list || checkrequested(argc, argv);  // either way the arguments are no expressions
    bool format = !check && setoutputform(argc, argv);
    if (!check && hasargument(argc, argv, "--readable")) readableform();
    // A lone "-" at the end, unless it is the path of "-u" or "-f".
    bool fromstdin = argc >= 2 && !std::strcmp(argv[argc - 1], "-");
    for (int i = 1; i < argc; ++i) {
        if (i + 1 < argc && comps("-u", argv[i])) {
            readunitnames(argv[++i]);
            units = true;
            fromstdin = fromstdin && i + 1 < argc;
        } else if (i + 1 < argc && comps("-f", argv[i])) {
            readformulafile(argv[++i]);
            fromstdin = fromstdin && i + 1 < argc;
        } else if (!check && !(fromstdin && i + 1 == argc)) {
            if (isexpression(argv[i], argv[i - 1]))
                answer(argv[i]);
            else
                notehidden(argv[i], argv[i - 1]);
        }
    }
    int status = 0;
    if (list) {
        if (!units) readunitnames("si");
        status = listnames(list);
    } else if (check) {
        status = checkdefinitions();
    } else if (fromstdin || (argc == 1 && isatty(STDIN_FILENO))) {
        // A person at a terminal reads the readable form, unless a number format was asked for.
        if (isatty(STDIN_FILENO)) {
            if (!format) readableform();
            if (!units) readunitnames("si");
            greet();
        }
        status = readexpressions();
    }
    if (!outputwritten()) return 2;
    // With --strict, an expression that wrote a message fails the run.
    if (status == 0 && messagecount() > 0 && hasargument(argc, argv, "--strict")) return 3;
    return status;
}
