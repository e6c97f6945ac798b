// Evaluation of one expression argument, from its text to its output line.
#pragma once

// Evaluates expr and writes its result line (or message) to standard output.
void handlestr(const char* expr);

// Gives every node of the list its priority, turns unary minus and opening
// braces into products, then removes the bracket nodes.
void assignprio();
void removebrackets();

// Runs the command node of highest priority until none is left, prints what
// remains, frees the list and ends the line.
void evaluate();

// Writes the nodes of the list (result printing); copies each number to varib[0].
void printlist();

// Brings angle into [-pi/2, pi/2], moving the sign into radius.
void reduceangle(double& radius, double& angle);
