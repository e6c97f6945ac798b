// The command line of phycalc: one table of options, read in one pass into a
// CommandLine that main carries out.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/settings.h"

// What the argument after an option is.
enum class Next {
    HIDDEN,    // not evaluated, with a note that says how to write it
    VALUE,     // the option's value, never evaluated
    REVEALED,  // evaluated even when it begins with '-' (-q)
    OWN,       // an argument of its own (the options of "--" and a letter)
};

// What an option does.
enum class Act {
    CARTESIAN,
    FORMAT,
    PRECISION,
    UNITS,
    FORMULAS,
    QUOTE,
    READABLE,
    POLAR,
    STRICT,
    CHECK,
    LIST,
    STDIN,
    HELP,
    VERSION,
    LIBRARY
};

// How an argument is known for the option.
enum class Known {
    START,  // it begins with the spelling: "-crx" is "-cr" (the options of one '-')
    WHOLE,  // it is the spelling
    LAST,   // it is the spelling and the last argument ("-")
};

struct Option {
    const char* spelling;
    const char* shown;  // the usage's left column: its spellings and its value
    Known known;
    Next next;
    // Acts where it stands, taking its value out of the line (-u, -f).  The
    // others act from the whole line, and only when they are not the last
    // argument, or only as the first (first).
    bool inplace;
    bool first;
    Act act;
    const char* help;  // null: not in the usage (the build's own option)
};

// Every option, in the order of the usage.
std::span<const Option> options();

// The option an argument is known for ("-" aside), or null.
const Option* optionof(const char* arg);

// An argument of "--" and a letter: an option of its own, hiding nothing.
bool islongoption(const char* arg);

// What a run does, and with what, as the command line says.
struct CommandLine {
    enum class Mode { EVALUATE, LIST, CHECK, LIBRARY, HELP, VERSION } mode = Mode::EVALUATE;
    const char* unknown = nullptr;  // the first option of "--" that phycalc does not know
    // An option that asks for a mode the rest of the line does not allow
    // (--check beside an expression, --units-from without a target).
    const Option* misplaced = nullptr;
    const char* pattern = nullptr;  // of --list ("" without one)
    const char* source = nullptr;   // of --units-from
    const char* target = nullptr;

    // In the order of the line: the files of -u and -f, and the other
    // arguments, each to be evaluated or noted as hidden.
    struct Step {
        enum class Does { UNITS, FORMULAS, ARGUMENT } does;
        const char* arg;
        const char* before;  // the argument in front of it
    };
    std::vector<Step> steps;
    bool units = false;      // -u stands among them
    bool fromstdin = false;  // a lone "-" ends them
    bool strict = false;

    // The output settings, none in the list and check modes.
    bool cartesian = false;
    bool readable = false;
    bool polar = false;
    std::optional<NumberForm> form;
    bool formgiven = false;  // an -S option stands before the last argument
    std::optional<int> precision;
};

CommandLine readcommandline(int argc, char** argv);

// Whether the line holds nothing but options and their values: at a
// terminal, such a line opens the prompt.
bool optionsonly(const CommandLine& line);

// Puts the output settings of line into the settings.
void applysettings(const CommandLine& line);

// Whether arg is evaluated, with before the argument in front of it: any
// argument that begins with one '-' hides the one after it, unless it is
// "-q".
bool isexpression(const char* arg, const char* before);

// For an argument that is not evaluated though it looks like an expression,
// a note on standard error with the way to write it.
void notehidden(const char* arg, const char* before);

// The text of "phycalc --help".
std::string phycalcusage();
