// phycalc: evaluates each expression argument and prints one line for it.
// Output options act on every expression; "-u" (unit-names file) and "-f"
// (formula file) act from where they stand.  Any argument beginning with '-'
// keeps the argument after it from being evaluated, unless it is "-q".
// PHYCALC_UNITS names a unit-names file read before the command line.  A lone
// "-" at the end reads more expressions from standard input, one a line.
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "check.h"
#include "core/about.h"
#include "core/output.h"
#include "core/settings.h"
#include "engine/engine.h"
#include "files.h"
#include "help.h"
#include "input.h"
#include "library.h"
#include "list.h"
#include "ops/contract.h"
#include "options.h"
#include "suggest.h"

namespace {
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
    using Mode = CommandLine::Mode;
    using Does = CommandLine::Step::Does;
    const CommandLine line = readcommandline(argc, argv);
    if (line.mode == Mode::HELP || line.mode == Mode::VERSION) {
        about(argc, argv, "phycalc", line.mode == Mode::HELP ? phycalcusage().c_str() : "");
        return outputwritten("phycalc") ? 0 : 2;
    }
    // The unit library of the environment, as if "-u FILE" stood first.
    bool units = line.units;
    if (const char* names = std::getenv("PHYCALC_UNITS"); names && names[0]) {
        readunitnames(names);
        units = true;
    }
    if (line.mode == Mode::LIBRARY) return writelibrary(line.source, line.target);
    if (line.unknown) {
        errors << "phycalc: unknown option " << line.unknown << " (phycalc --help lists them)\n";
        return 2;
    }
    if (line.misplaced) {
        errors << "phycalc: " << line.misplaced->shown
               << (line.misplaced->act == Act::LIBRARY ? " stands alone\n"
                                                       : " stands once, with nothing but -u and -f beside it\n");
        return 2;
    }
    applysettings(line);
    // Suggestions for the expressions a person wrote, not for checked entries.
    if (line.mode == Mode::EVALUATE) onunknownword = suggestfor;
    for (const CommandLine::Step& step : line.steps) {
        if (step.does == Does::UNITS)
            readunitnames(step.arg);
        else if (step.does == Does::FORMULAS)
            readformulafile(step.arg);
        else if (isexpression(step.arg, step.before))
            answer(step.arg);
        else
            notehidden(step.arg, step.before);
    }
    int status = 0;
    if (line.mode == Mode::LIST) {
        if (!units) readunitnames("si");
        status = listnames(line.pattern);
    } else if (line.mode == Mode::CHECK) {
        status = checkdefinitions();
    } else if (line.fromstdin || (optionsonly(line) && isatty(STDIN_FILENO))) {
        // A person at a terminal reads the readable form, unless a number format was asked for.
        if (isatty(STDIN_FILENO)) {
            if (!line.formgiven) setreadable(true);
            if (!units) readunitnames("si");
            greet();
        }
        status = readexpressions();
    }
    if (!outputwritten("phycalc")) return 2;
    // With --strict, a message, a line that came to nothing or a note on
    // standard error (a hidden argument, a file not read) fails the run.
    if (status == 0 && line.strict && (messagecount() > 0 || emptycount() > 0 || errors.wrote())) return 3;
    return status;
}
