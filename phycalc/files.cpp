#include "files.h"

#include <sys/stat.h>
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

// The user's own units, when they come with the library: a file that is
// there but cannot be read is named.
void readuserunits(bool library) {
    std::string own = userunits();
    struct stat info;
    if (!library || own.empty() || stat(own.c_str(), &info) != 0) return setuserunits("");
    if (!S_ISREG(info.st_mode)) {
        errors << "phycalc: your units " << own << " are not read: not a regular file\n";
        return setuserunits("");
    }
    if (access(own.c_str(), R_OK) != 0) {
        cannotread("file of your units", own.c_str());
        return setuserunits("");
    }
    setuserunits(own.c_str());
}
}  // namespace

void readunitnames(const char* path) {
    std::string file = librarypath(path);
    if (file != path && access(path, F_OK) == 0)
        errors << "phycalc: " << path << " here is no unit-names file; the library " << path << " is read\n";
    std::string head;
    if (!readhead(file.c_str(), head)) return cannotread("unit-names file", path);
    if (macrofileof(head).empty())
        errors << "phycalc: the unit-names file " << path << " holds fewer than eight words\n";
    setunitnames(head);
    if (MACNAME[0] && access(MACNAME, R_OK) != 0) cannotread("unit-macro file", MACNAME);
    bool library = islibrary(MACNAME);
    setplurals(library);
    readuserunits(library);
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
