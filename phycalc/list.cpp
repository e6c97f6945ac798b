#include "list.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <string>
#include <string_view>

#include "core/deffile.h"
#include "core/settings.h"
#include "engine/engine.h"
#include "options.h"

namespace {
std::string lowered(std::string_view text) {
    std::string low(text);
    std::transform(low.begin(), low.end(), low.begin(), [](unsigned char c) { return std::tolower(c); });
    return low;
}
}  // namespace

int listnames(const char* pattern) {
    // The readable form for the list alone.
    SettingsScope keep;
    std::ios::fmtflags flags = std::cout.flags();
    readableform();
    std::string wanted = lowered(pattern);
    int listed = 0;
    for (const char* path : {FORMNAME, USERUNITS, MACNAME}) {
        if (!path[0]) continue;
        DefFile file(path);
        for (std::string_view entry : file.entries()) {
            std::string name(entry.substr(0, entry.find('=')));
            if (name.empty() || name.size() == entry.size() || lowered(name).find(wanted) == std::string::npos)
                continue;
            std::cout << name << "  ";
            handlestr(name.c_str());
            ++listed;
        }
    }
    std::cout.flags(flags);
    return listed ? 0 : 1;
}
