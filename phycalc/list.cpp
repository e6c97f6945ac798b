#include "list.h"

#include <string>
#include <string_view>

#include "core/deffile.h"
#include "core/output.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"

std::vector<std::string> definednames() {
    std::vector<std::string> names;
    for (const char* path : {FORMNAME, USERUNITS, MACNAME}) {
        if (!path[0]) continue;
        DefFile file(path);
        for (std::string_view entry : file.entries())
            if (std::size_t equals = entry.find('='); equals != std::string_view::npos && equals > 0)
                names.emplace_back(entry.substr(0, equals));
    }
    return names;
}

int listnames(const char* pattern) {
    // The readable form for the list alone.
    SettingsScope keep;
    EndingRefused going;  // a name whose text is "exit" must not end the list
    setreadable(true);
    std::string wanted = lowered(pattern);
    int listed = 0;
    for (const std::string& name : definednames()) {
        if (lowered(name).find(wanted) == std::string::npos) continue;
        output << name << "  ";
        handlestr(name.c_str());
        ++listed;
    }
    return listed ? 0 : 1;
}
