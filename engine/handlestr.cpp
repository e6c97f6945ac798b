#include <cstring>

#include "core/output.h"

#include "core/quantity.h"
#include "core/settings.h"
#include "engine.h"
#include "frontend/frontend.h"
#include "ops/contract.h"
#include "ops/ops.h"

bool buildlist(const char* expr) {
    static char work[WORK_SIZE];
    prepass(expr, work);
    // A line of plain arithmetic is not scanned for names unless a file has
    // a name that a symbol word can be; after a scan, a replacement may have
    // brought any name.
    Words words = FORMNAME[0] || USERUNITS[0] || MACNAME[0] ? wordsof(expr, work) : Words::NONE;
    auto expand = [&](const char* path, Notation notation, bool plurals) {
        if (words == Words::NONE || (words == Words::SYMBOLS && !symbolnames(path))) return Expansion::DONE;
        words = Words::ANY;
        return expanddefs(work, path, notation, plurals);
    };
    Expansion expanded = FORMNAME[0] ? expand(FORMNAME, Notation::FORMULA, false) : Expansion::DONE;
    if (expanded == Expansion::DONE && USERUNITS[0]) expanded = expand(USERUNITS, Notation::MACRO, false);
    // The library's names also in the plural ("3*meters"), after every file.
    if (expanded == Expansion::DONE) expanded = expand(MACNAME, Notation::MACRO, plurals);
    if (expanded == Expansion::ENDLESS) {
        warn("definition loop : ");
        return false;
    }
    if (expanded == Expansion::CUT) {
        warn("expansion longer than 999 characters : ");
        return false;
    }
    // A conversion is a whole line's: a '>' left here is none.
    if (std::strchr(work, '>')) {
        warn(std::strchr(expr, '>') ? "cant use > here : " : "-> in a definition is no conversion : ");
        return false;
    }
    tokenise(work);
    assignprio();
    removebrackets();
    ops::resetrecalls();
    return true;
}

Outcome valueofexpression(const char* expr, lm& value) {
    if (!buildlist(expr)) return Outcome::MESSAGE;
    if (!S) return Outcome::NOTHING;
    long before = messagecount();
    if (!runlist()) return messagecount() == before ? Outcome::NOTHING : Outcome::MESSAGE;
    bool one = !S->next && S->kind == KIND_NUMBER;
    if (one) value = *S;
    exit0(1);
    return one ? Outcome::NUMBER : Outcome::OTHER;
}

void handlestr(const char* expr) {
    if (!convertsunit(expr)) {
        if (buildlist(expr))
            evaluate();
        else
            output << '\n';
    }
    if (!unknownword.empty()) {
        std::string word;
        word.swap(unknownword);
        output.flush();  // the line first, where both go to one screen
        onunknownword(word.c_str());
    }
}
