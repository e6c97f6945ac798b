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
    Expansion expanded = FORMNAME[0] ? expanddefs(work, FORMNAME, Notation::FORMULA) : Expansion::DONE;
    if (expanded == Expansion::DONE && USERUNITS[0]) expanded = expanddefs(work, USERUNITS, Notation::MACRO);
    if (expanded == Expansion::DONE) expanded = expanddefs(work, MACNAME, Notation::MACRO);
    if (expanded == Expansion::ENDLESS) {
        warn("definition loop : ");
        return false;
    }
    if (expanded == Expansion::CUT) {
        warn("expansion longer than 999 characters : ");
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
    if (!runlist()) return Outcome::MESSAGE;
    bool one = !S->next && S->kind == KIND_NUMBER;
    if (one) value = *S;
    exit0(1);
    return one ? Outcome::NUMBER : Outcome::OTHER;
}

void handlestr(const char* expr) {
    if (convertsunit(expr)) return;
    if (buildlist(expr))
        evaluate();
    else
        output << '\n';
}
