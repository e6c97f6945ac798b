#include "entry.h"

#include "core/strings.h"

bool rewriteunit(const char* text, std::string& rewritten) {
    std::string buffer;
    bool replaced = false;
    for (const char* p = text; *p; ++p) {
        const char* piece = nullptr;
        switch (*p) {
            case ' ': piece = "_c*__1_"; break;
            case '/': piece = "_c/_1_"; break;
            case '*': piece = "_c*_1_"; break;
            case '^': piece = "_c^_"; break;
        }
        if (piece) {
            buffer += piece;
            replaced = true;
        } else {
            buffer += *p;
        }
    }
    buffer += "_c)";
    if (buffer.size() + 1 > REWRITE_SIZE) return false;
    if (!replaced) {
        rewritten = text;
        return true;
    }
    char* joined = strplus("~_c(_1_", buffer.c_str());
    rewritten = joined;
    delete[] joined;
    return true;
}

namespace {
// "_@_" or "_~_" and the number, a leading '-' written as the minus operator.
std::string operand(const char* op, const char* number) {
    std::string piece = op;
    if (number[0] == '-') {
        piece += "c-_";
        ++number;
    }
    return piece + number;
}
}  // namespace

std::string entryline(const Definition& d) {
    std::string unit = d.unit ? std::string("_") + d.unit : "";
    std::string line = std::string("#") + d.name + "= ";
    if (d.add1) line += unit + operand("_@_", d.add1) + unit;
    if (d.mult) {
        line += operand("_~_", d.mult);
        if (!d.add1) line += unit;
    }
    if (d.add2) line += operand("_@_", d.add2) + unit;
    return line + "_\n";
}
