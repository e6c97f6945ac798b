#include "about.h"

#include <cstring>
#include <iostream>

#include "version.h"

bool about(int argc, char** argv, const char* program, const char* usage) {
    if (argc < 2) return false;
    if (!std::strcmp(argv[1], "--help")) {
        std::cout << usage;
    } else if (!std::strcmp(argv[1], "--version")) {
        std::cout << program << " " << PHYCALC_VERSION << "\n";
    } else {
        return false;
    }
    std::cout.flush();
    return true;
}

const char* programversion() { return PHYCALC_VERSION; }
