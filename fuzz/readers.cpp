// The readers of the unit-names file, the formula title and the definition
// files, on any bytes.
#include <string>

#include "common.h"
#include "core/deffile.h"
#include "core/settings.h"
#include "phycalc/files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = privatedir() + "/file";
    writefile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    readunitnames(path.c_str());
    readformulafile(path.c_str());
    DefFile file(path.c_str());
    for (std::string_view entry : file.entries()) {
        std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) continue;
        // The entry's own name finds it; whitespace never survives the reading.
        std::string name(entry.substr(0, equals));
        if (!defines(entry, name) || entry.find_first_of(" \t\n\r\v\f") != std::string_view::npos) __builtin_trap();
    }
    return 0;
}
