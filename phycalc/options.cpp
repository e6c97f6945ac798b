#include "options.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "core/output.h"
#include "core/quantity.h"
#include "core/strings.h"

namespace {
using enum Next;
using enum Act;
using M = Known;
using Step = CommandLine::Step;

// The one place that knows the options: how each is spelled and known, what
// the argument after it is, and what it does.  The usage, the completions of
// the shells and the tests of the manual are made from it.
constexpr Option OPTIONS[] = {
    // spelling, usage, match, next, in place, first only, act, help line
    {"-cr", "-cr", M::START, HIDDEN, false, false, CARTESIAN, "results in cartesian form (default: polar)"},
    {"-S", "-S1 -S2 -S3", M::START, HIDDEN, false, false, FORMAT,
     "general, scientific (default) or fixed number format"},
    {"-p", "-p N", M::START, VALUE, false, false, PRECISION, "precision N (default 12)"},
    {"-u", "-u FILE", M::START, VALUE, true, false, UNITS, "unit-names file: display names and the unit-macro file"},
    {"-f", "-f FILE", M::START, VALUE, true, false, FORMULAS, "formula file: named sub-expressions"},
    {"-q", "-q", M::START, REVEALED, false, false, QUOTE, "evaluate the next argument even if it begins with -"},
    {"--readable", "--readable", M::WHOLE, OWN, false, false, READABLE, "results for people: 7.2 MJ, (100 + 50i) ohm"},
    {"--polar", "--polar", M::WHOLE, OWN, false, false, POLAR,
     "readable, complex as modulus and angle: 5 angle 53.13 deg"},
    {"--strict", "--strict", M::WHOLE, OWN, false, false, STRICT,
     "status 3 after a message, an empty result or a note"},
    {"--check", "--check", M::WHOLE, OWN, false, false, CHECK, "check the entries of the -u and -f files instead"},
    {"--list", "--list [PATTERN]", M::WHOLE, OWN, false, false, LIST,
     "list the units whose names hold PATTERN, with their values"},
    {"-", "-", M::LAST, OWN, false, false, STDIN, "read more expressions from standard input (last argument)"},
    {"--help", "--help", M::WHOLE, OWN, false, true, HELP, "this text"},
    {"--version", "--version", M::WHOLE, OWN, false, true, VERSION, "the version"},
    // The build makes the library's unit-macro file with it.
    {"--units-from", "--units-from SOURCE TARGET", M::WHOLE, OWN, false, true, LIBRARY, nullptr},
};

// The -u, -f, -p values and what -q reveals are not looked at as options.
bool shields(const Option* option) { return option && (option->next == VALUE || option->next == REVEALED); }

// A value that stays in the line, not evaluated and with no note (-p's).
bool silentvalue(const Option* before) { return before && before->next == VALUE && !before->inplace; }

void takesetting(CommandLine& line, const Option& option, const char* arg, const char* value) {
    switch (option.act) {
        case CARTESIAN: line.cartesian = true; break;
        case FORMAT:
            line.formgiven = true;
            if (arg[2] == '1') line.form = NumberForm::GENERAL;
            if (arg[2] == '2') line.form = NumberForm::SCIENTIFIC;
            if (arg[2] == '3') line.form = NumberForm::FIXED;
            break;
        case PRECISION: line.precision = clampedint(std::atof(value)); break;
        default: break;
    }
}

// The modes that ask for the first argument: none when the line is ordinary.
bool firstonly(CommandLine& line, int argc, char** argv) {
    const Option* option = argc >= 2 ? optionof(argv[1]) : nullptr;
    if (!option || !option->first) return false;
    if (option->act == HELP) line.mode = CommandLine::Mode::HELP;
    if (option->act == VERSION) line.mode = CommandLine::Mode::VERSION;
    if (option->act == LIBRARY && argc == 4) {
        line.mode = CommandLine::Mode::LIBRARY;
        line.source = argv[2];
        line.target = argv[3];
    }
    return line.mode != CommandLine::Mode::EVALUATE;
}

// "--list" with at most one pattern, or "--check" once, with nothing but -u
// and -f options besides: the line names no expression.
struct Shape {
    bool list = true, check = true, listed = false;
    int checks = 0, patternat = 0;

    void take(int i, int argc, char** argv, const Option* option, CommandLine& line) {
        if (i == patternat) return;
        if (option && option->act == LIST && !listed) {
            listed = true;
            line.pattern = "";
            if (i + 1 < argc && argv[i + 1][0] != '-') line.pattern = argv[patternat = i + 1];
        } else {
            list = false;
        }
        if (option && option->act == CHECK)
            ++checks;
        else
            check = false;
    }
};
}  // namespace

std::span<const Option> options() { return OPTIONS; }

const Option* optionof(const char* arg) {
    for (const Option& option : OPTIONS) {
        if (option.known == M::START ? comps(option.spelling, arg)
                                     : option.known == M::WHOLE && !std::strcmp(option.spelling, arg))
            return &option;
    }
    return nullptr;
}

bool islongoption(const char* arg) {
    return arg[0] == '-' && arg[1] == '-' && std::isalpha(static_cast<unsigned char>(arg[2]));
}

CommandLine readcommandline(int argc, char** argv) {
    CommandLine line;
    if (firstonly(line, argc, argv)) return line;
    Shape shape;
    std::vector<const Option*> asked;  // the options of a mode of their own
    bool shielded = false;             // from the test for unknown options
    bool taken = false;                // the value of the -u or -f before it
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        bool last = i + 1 == argc;
        const Option* option = optionof(arg);
        if (!shielded && !line.unknown && !option && islongoption(arg)) line.unknown = arg;
        if (!shielded && !taken && option && (option->act == CHECK || option->act == LIST || option->act == LIBRARY))
            asked.push_back(option);
        shielded = !shielded && shields(option);
        if (option && option->known == M::START && !last) takesetting(line, *option, arg, argv[i + 1]);
        if (option && option->act == READABLE) line.readable = true;
        if (option && option->act == POLAR) line.polar = true;
        if (option && option->act == STRICT) line.strict = true;
        bool pairs = !taken && option && option->inplace && !last;
        if (pairs) {
            bool units = option->act == UNITS;
            line.steps.push_back({units ? Step::Does::UNITS : Step::Does::FORMULAS, argv[i + 1], arg});
            line.units = line.units || units;
        } else if (!taken) {
            shape.take(i, argc, argv, option, line);
            if (last && !std::strcmp(arg, "-"))
                line.fromstdin = true;
            else
                line.steps.push_back({Step::Does::ARGUMENT, arg, argv[i - 1]});
        }
        taken = pairs;
    }
    bool list = shape.list && shape.listed;
    if (list) line.mode = CommandLine::Mode::LIST;
    if (!list && shape.check && shape.checks == 1) line.mode = CommandLine::Mode::CHECK;
    if (!list) line.pattern = nullptr;
    if (line.mode == CommandLine::Mode::EVALUATE) {
        // A line with expressions evaluates them, and --check or --list
        // beside them is no mode; --units-from always is.
        bool evaluates = std::any_of(line.steps.begin(), line.steps.end(), [](const Step& step) {
            return step.does == Step::Does::ARGUMENT && isexpression(step.arg, step.before);
        });
        for (const Option* option : asked)
            if (!line.misplaced && (option->act == LIBRARY || !evaluates)) line.misplaced = option;
        return line;
    }
    // The files are read all the same; the arguments are no expressions.
    std::erase_if(line.steps, [](const Step& step) { return step.does == Step::Does::ARGUMENT; });
    line.cartesian = line.readable = line.polar = line.formgiven = false;
    line.form.reset();
    line.precision.reset();
    return line;
}

void applysettings(const CommandLine& line) {
    if (line.cartesian) setcartesian(true);
    if (line.form) setnumberform(*line.form);
    if (line.precision) setprecision(*line.precision);
    if (line.readable) setreadable(true);
    if (line.polar) setreadablepolar(true);
}

bool optionsonly(const CommandLine& line) {
    for (const Step& step : line.steps) {
        if (step.does != Step::Does::ARGUMENT || optionof(step.arg) || islongoption(step.arg)) continue;
        if (!silentvalue(optionof(step.before))) return false;
    }
    return true;
}

bool isexpression(const char* arg, const char* before) {
    if (!arg[0]) return false;
    const Option* option = optionof(before);
    return (arg[0] != '-' && (before[0] != '-' || islongoption(before))) || (option && option->next == REVEALED);
}

void notehidden(const char* arg, const char* before) {
    if (!arg[0]) return;
    const Option* option = optionof(arg);
    if (arg[0] == '-') {
        if (!option && !islongoption(arg) && arg[1])
            errors << "phycalc: " << arg << " is not evaluated: it begins with -; write -q " << arg << "\n";
        return;
    }
    const Option* hiding = optionof(before);
    if (silentvalue(hiding)) return;
    bool named = hiding && hiding->known == M::START;
    errors << "phycalc: " << arg << " is not evaluated: " << before << " hides the argument after it; write "
           << (named ? before : "") << (named ? " " : "") << "-q " << arg << "\n";
}
