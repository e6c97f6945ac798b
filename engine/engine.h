// Evaluation of one expression argument, from its text to its output line.
#pragma once

#include <string>
#include <string_view>

#include "core/output.h"
#include "core/quantity.h"
#include "core/settings.h"

// Evaluates expr and writes its result line (or message) to standard output.
void handlestr(const char* expr);

// Builds the list of expr: pre-pass, expansion, tokens, priorities.  False
// when the expansion does not come to an end, after its message.
bool buildlist(const char* expr);

// What an expression comes to when it is evaluated without printing.
enum class Outcome {
    NUMBER,   // one number, copied into value
    NOTHING,  // the expression holds no word
    OTHER,    // more than one node, or a command, is left
    MESSAGE,  // it ended with a message, which is written (the line goes on)
};
Outcome valueofexpression(const char* expr, lm& value);

// Runs the command node of highest priority until none is left.  False when
// the expression ended with a message: the list is gone.
bool runlist();

// An expression "EXPR -> TARGET": converts and writes the line, and returns
// true.  False for any other expression, which it leaves alone.
bool convertsunit(const char* expr);

// The value as a result shows it, in the form and number format of the
// settings: the polar form with the angle brought into [-pi/2, pi/2] first,
// the cartesian form from the value's parts.
void printnumber(const lm& value);
void printnumber(double radius, double angle);

// The parts of value as they are printed, and whether it is real: a real
// value has no imaginary part at all, and its sign as the polar form gives it.
bool printedparts(const lm& value, double& x, double& y);

// Gives every node of the list its priority, turns unary minus and opening
// braces into products, then removes the bracket nodes.
void assignprio();
void removebrackets();

// Runs the command node of highest priority until none is left, prints what
// remains, frees the list and ends the line.
void evaluate();

// The lines evaluated so far that came to nothing and wrote no message: an
// empty line was their output.
long emptycount();

// What "exit", "quit" and "stop" do: end the process with status 1.  A caller
// that must outlive an expression (a check of definition files) replaces it.
extern void (*onendkeyword)();

// Called after the line of an expression that met a word that is no keyword,
// when set: the program's suggestions of what was meant.  unknownword is
// that word until then.
extern void (*onunknownword)(const char* word);
extern std::string unknownword;

// While it lives, "exit", "quit" and "stop" end only the expression, with the
// message "ends the program : ": for evaluations of definitions by name
// (--check, --list, help, the library builder), which must go on.
class EndingRefused {
public:
    EndingRefused();
    ~EndingRefused();
    EndingRefused(const EndingRefused&) = delete;
    EndingRefused& operator=(const EndingRefused&) = delete;

private:
    void (*saved_)();
};

// The keyword that a command word runs (a word runs the first keyword it is a
// non-empty start of), or null for a word of no keyword.
const char* keywordrun(const char* text);

// Writes the nodes of the list (result printing); copies each number to varib[0].
void printlist();

// The exponents of dim as the readable form writes them: " m^2 kg s^-2"
// (empty for a dimensionless value).
std::string readabledimension(const unit& dim);

// An exponent as the readable form writes it: whole ones as integers, others
// as the shortest text that reads back as the same double.
std::string exponenttext(double exponent);

// A value as the readable form writes it: "7.2 MJ", "(3 + 4i) ohm", "3 + 4i",
// or with --polar "(5 angle 53.1301023542 deg) ohm".  Named units and
// prefixes need the SI display names (m kg s K C mol); with others the
// exponents follow the number, as readabledimension writes them.
std::string readablequantity(const lm& value);

// The name of a dimension: "energy", "length", "dimensionless"; "" for one
// that has no common name.
const char* dimensionname(const unit& dim);

// The number of a value as the readable form writes it, in brackets when it
// has two parts and a unit follows.
std::string readablenumber(const lm& value, bool unitfollows);

// value as printf's %e, %f or %g writes it with that precision, in a buffer
// that the next call reuses.
std::string_view formatted(double value, NumberForm form, int precision);

// Brings angle into [-pi/2, pi/2], moving the sign into radius.
void reduceangle(double& radius, double& angle);
