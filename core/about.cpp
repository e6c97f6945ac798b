#include "about.h"

#include <cstring>

#include "output.h"
#include "version.h"

bool about(int argc, char** argv, const char* program, const char* usage) {
    if (argc < 2) return false;
    if (!std::strcmp(argv[1], "--help")) {
        output << usage;
    } else if (!std::strcmp(argv[1], "--version")) {
        output << program << " " << PHYCALC_VERSION << "\n";
    } else {
        return false;
    }
    output.flush();
    return true;
}

const char* programversion() { return PHYCALC_VERSION; }
