// A sequence of expressions that share the variable table, under random output
// options, with a random formula file and a random unit-macro file.
//
// Input: an options byte (1 polar, 2-4 the number form, 8 a formula file, 16
// the readable form, 32 its polar kind), a precision byte, then parts separated by 0x01:
// the formula file, the unit-macro file, and the expressions, one a line.
#include <iostream>

#include "common.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "frontend/defindex.h"
#include "ops/contract.h"

namespace {
// "exit", "quit" and "stop" end only the expression here.
void harmlessend() { fail("ends the program : "); }

void setoptions(uint8_t options, uint8_t precision) {
    setcartesian(!(options & 1));
    static const NumberForm forms[] = {NumberForm::SCIENTIFIC, NumberForm::FIXED, NumberForm::GENERAL,
                                       NumberForm::SCIENTIFIC};
    setnumberform(forms[(options >> 1) & 3]);
    setprecision(precision % 40);
    // The readable form, with the SI display names that its named units need.
    if (options & 16) {
        setunitnames("SI m kg s K C mol");
        setreadable(true);
    }
    if (options & 32) setreadablepolar(true);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    SettingsScope keep;  // each input starts from the settings of the first
    onendkeyword = harmlessend;
    setoptions(data[0], data[1]);
    std::vector<std::string_view> part = parts(data + 2, size - 2, '\x01');
    const std::string formulas = privatedir() + "/formulas", macros = privatedir() + "/macros";
    writefile(formulas, part[0]);
    writefile(macros, part.size() > 1 ? part[1] : "");
    setformulafile(data[0] & 8 ? formulas.c_str() : "");
    setmacrofile(macros.c_str());
    forgetdefinitions();  // rewritten within one tick of the clock, a file may look unchanged
    Silence quiet;
    for (std::size_t k = 2; k < part.size(); ++k)
        for (std::string_view line : parts(reinterpret_cast<const uint8_t*>(part[k].data()), part[k].size(), '\n')) {
            std::string expr(line);
            handlestr(expr.c_str());
        }
    return 0;
}
