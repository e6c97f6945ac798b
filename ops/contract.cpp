#include "contract.h"

#include <cmath>

#include "core/output.h"

namespace {
long written = 0;
}

long messagecount() { return written; }

bool fail(const char* message) {
    ++written;
    output << message;
    exit0(1);
    return false;
}

void warn(const char* message) {
    ++written;
    output << message;
}

static bool isnumber(const lm* node) { return node->kind == KIND_NUMBER; }

bool infixready(const OpMessages& messages) {
    if (!T->prev || !T->next) return fail(messages.nothing);
    if (!isnumber(T->prev) || !isnumber(T->next)) return fail(messages.commands);
    return true;
}

bool postfixready(const OpMessages& messages) {
    if (!T->prev) return fail(messages.nothing);
    if (!isnumber(T->prev)) return fail(messages.commands);
    return true;
}

bool prefixready(const OpMessages& messages, int count) {
    lm* operand = T;
    for (int k = 0; k < count; ++k)
        if (!(operand = operand->next)) return fail(messages.nothing);
    for (operand = T->next; count-- > 0; operand = operand->next)
        if (!isnumber(operand)) return fail(messages.commands);
    return true;
}

void setvalue(lm* node, double radius, double angle) {
    node->radius = radius;
    node->angle = angle;
    node->hasparts = false;
    node->kind = KIND_NUMBER;
}

void keepparts(lm* node, double x, double y) {
    if (x != 0 && y != 0 && std::isfinite(x) && std::isfinite(y)) node->setparts(x, y);
}

void positivemodulus(double& radius, double& angle) {
    if (radius < 0) {
        radius = -radius;
        angle = angle + PI;
    }
}

void infixdone(double radius, double angle, const unit& dim) {
    lm* left = T->prev;
    setvalue(left, radius, angle);
    left->dim = dim;
    dropnode(left->next);  // T
    dropnode(left->next);  // the right operand
    T = left;
}

void postfixdone(double radius, double angle) {
    lm* left = T->prev;
    setvalue(left, radius, angle);
    dropnode(left->next);
    T = left;
}

void prefixdone(double radius, double angle, int count) {
    setvalue(T, radius, angle);
    while (count-- > 0) {
        T1 = T->next;
        dropnode(T1);
    }
    T1 = nullptr;
}

void prefixdone(const lm& result, int count) {
    prefixdone(result.radius, result.angle, count);
    if (result.hasparts) T->setparts(result.re, result.im);
}
