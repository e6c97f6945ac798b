// Each entry is evaluated on its own, by its name, exactly as an expression that
// uses it would be; what it writes besides its value is a problem.
#include "check.h"

#include <string>
#include <unordered_set>

#include "core/deffile.h"
#include "core/output.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "engine/words.h"
#include "ops/contract.h"

namespace {
struct Evaluation {
    std::string output;
    bool clean;  // no message or warning
};

Evaluation evaluate(const std::string& expr) {
    std::string text;
    long before = messagecount();
    {
        Captured captured;
        handlestr(expr.c_str());
        text = captured.text();
    }
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return {text, messagecount() == before};
}

class FileCheck {
public:
    FileCheck(const char* path, bool macros) : path_(path), macros_(macros) {}

    // Checks every entry; returns the number of problems.
    int run() {
        DefFile file(path_.c_str());
        if (file.status() == DefFile::Status::TOO_LARGE) return problem("larger than 64 MiB, not read");
        if (!file.readable()) return problem("cannot be read");
        for (std::string_view entry : file.entries()) checkentry(entry);
        output << path_ << ": " << file.entries().size() << " entries, " << problems_
               << (problems_ == 1 ? " problem\n" : " problems\n");
        return problems_;
    }

private:
    int problem(const std::string& what) {
        output << path_ << ": " << what << '\n';
        return ++problems_;
    }

    void checkentry(std::string_view entry) {
        std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) {
            std::string what = "#";
            what.append(entry).append(": no '=', never found");
            problem(what);
            return;
        }
        std::string name(entry.substr(0, equals));
        std::string where = "#" + name + ": ";
        if (!findablename(name.c_str())) {
            problem(where + "no expression can find this name");
        } else if (!names_.insert(name).second) {
            problem(where + "defined twice, the later entry is never found");
        } else if (wordnamed(name.c_str())) {
            problem(where + "shadows the keyword " + name);
        } else {
            // Not a problem, but a user of the name should know.
            if (const char* keyword = keywordrun(name.c_str()))
                output << path_ << ": " << where << "the abbreviation " << name << " of " << keyword
                       << " is this name\n";
            checkvalue(name, where);
        }
    }

    void checkvalue(const std::string& name, const std::string& where) {
        Evaluation plain = evaluate(name);
        if (plain.clean) return;
        if (macros_ && evaluate("1{" + name + " 1}").clean) {
            problem(where + "usable only in the brace form, as 1{" + name + " 1}: " + name + " alone gives \"" +
                    plain.output + "\"");
            return;
        }
        problem(where + "evaluates with a message: \"" + plain.output + "\"");
    }

    std::string path_;
    bool macros_;
    int problems_ = 0;
    std::unordered_set<std::string> names_;
};

// Formulas read variables and parameters that only a later expression sets:
// here every unset one counts as the number 1.
void setunsetvariables() {
    for (lm& slot : varib)
        if (slot.kind == KIND_EMPTY) {
            slot.kind = KIND_NUMBER;
            slot.radius = 1;
        }
}
}  // namespace

int checkdefinitions() {
    if (!MACNAME[0] && !FORMNAME[0]) {
        errors << "no definition file to check: give -u or -f, or set PHYCALC_UNITS\n";
        return 1;
    }
    SettingsScope keep;
    setuserunits("");     // each file is checked as it stands alone
    EndingRefused going;  // "exit" in an entry must not end the check
    setunsetvariables();
    int problems = 0;
    if (MACNAME[0]) {
        // A unit entry is checked as the unit-macro pass alone sees it.
        SettingsScope alone;
        setformulafile("");
        problems += FileCheck(MACNAME, true).run();
    }
    if (FORMNAME[0]) problems += FileCheck(FORMNAME, false).run();
    return problems ? 1 : 0;
}
