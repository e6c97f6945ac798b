#include "files.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "core/deffile.h"
#include "core/output.h"
#include "core/places.h"
#include "core/settings.h"
#include "core/strings.h"

namespace {
void cannotread(const char* what, const char* path) {
    errors << "phycalc: cannot read the " << what << " " << path << ": " << std::strerror(errno) << "\n";
}
}  // namespace

void readunitnames(const char* path) {
    std::string file = librarypath(path);
    std::string head;
    if (!readhead(file.c_str(), head)) return cannotread("unit-names file", path);
    setunitnames(head);
    if (MACNAME[0] && access(MACNAME, R_OK) != 0) cannotread("unit-macro file", MACNAME);
    // The user's own units come with the library, found before it.
    std::string own = userunits();
    setuserunits(islibrary(MACNAME) && !own.empty() && access(own.c_str(), R_OK) == 0 ? own.c_str() : "");
}

void readformulafile(const char* path) {
    std::string head;
    if (!readhead(path, head)) cannotread("formula file", path);
    std::string_view file = head;
    char title[sizeof FORMTYTLE];
    copycut(title, FORMTYTLE, sizeof title);  // a file of no word keeps the title
    readword(file, title, sizeof title);
    setformulafile(path, title);
}
