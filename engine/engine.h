// Evaluation of one expression argument, from its text to its output line.
#pragma once

#include <ios>
#include <string_view>

// Evaluates expr and writes its result line (or message) to standard output.
void handlestr(const char* expr);

// Gives every node of the list its priority, turns unary minus and opening
// braces into products, then removes the bracket nodes.
void assignprio();
void removebrackets();

// Runs the command node of highest priority until none is left, prints what
// remains, frees the list and ends the line.
void evaluate();

// What "exit", "quit" and "stop" do: end the process with status 1.  A caller
// that must outlive an expression (a check of definition files) replaces it.
extern void (*onendkeyword)();

// The keyword that a command word runs (a word runs the first keyword it is a
// non-empty start of), or null for a word of no keyword.
const char* keywordrun(const char* text);

// Writes the nodes of the list (result printing); copies each number to varib[0].
void printlist();

// value as a stream with format's flags and precision writes it (printf's
// %e, %f or %g: scientific, fixed or neither), in a buffer that the next call
// reuses.
std::string_view formatted(double value, const std::ios_base& format);

// Brings angle into [-pi/2, pi/2], moving the sign into radius.
void reduceangle(double& radius, double& angle);
