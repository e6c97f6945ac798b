// The readers of the unit-names file, the formula title, the definition
// files, a library source (--units-from) and the prompt's history, on any
// bytes.  The hash index of a definition file must find what a scan of its
// entries in file order finds; the history keeps whole lines.
#include <string>

#include "common.h"
#include "core/deffile.h"
#include "core/settings.h"
#include "frontend/defindex.h"
#include "phycalc/files.h"
#include "phycalc/history.h"
#include "phycalc/library.h"

namespace {
void expect(bool holds) {
    if (!holds) __builtin_trap();
}

// The definition of the first entry that word matches, as the scan finds it.
bool scanned(const DefFile& file, std::string_view word, std::string_view& definition) {
    for (std::string_view entry : file.entries())
        if (defines(entry, word)) {
            definition = entry.substr(word.size() + 1);
            return true;
        }
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = privatedir() + "/file";
    writefile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    readunitnames(path.c_str());
    readformulafile(path.c_str());
    DefFile file(path.c_str());
    forgetdefinitions();  // rewritten within one tick of the clock, the file may look unchanged
    const DefLookup& index = definitions(path.c_str());
    for (std::string_view entry : file.entries()) {
        expect(entry.find_first_of(" \t\n\r\v\f") == std::string_view::npos);  // whitespace never survives
        // Every start of the entry up to an '=' is a word that may match it or an earlier entry.
        for (std::size_t equals = entry.find('='); equals != std::string_view::npos;
             equals = entry.find('=', equals + 1)) {
            std::string_view word = entry.substr(0, equals), fromindex, fromscan;
            bool found = index.find(word, fromindex);
            expect(found == scanned(file, word, fromscan) && (!found || fromindex == fromscan));
        }
    }
    {
        Silence quiet;
        const std::string target = privatedir() + "/library";
        if (writelibrary(path.c_str(), target.c_str()) == 0) expect(!readfile(target).empty());
    }
    History history(path);
    for (const std::string& line : history.load(1000, 999))
        expect(!line.empty() && line.size() <= 999 && line.find('\n') == std::string::npos);
    history.append("1+1");
    std::string kept = readfile(path);
    expect(kept.size() >= 4 && kept.compare(kept.size() - 4, 4, "1+1\n") == 0);
    return 0;
}
