#include "places.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "deffile.h"
#include "strings.h"

namespace {
// The folder of the running program, with its '/' at the end; empty when it
// cannot be told.
std::string programfolder() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "";
    std::string folder(path, static_cast<std::size_t>(length));
    return folder.substr(0, folder.rfind('/') + 1);
}

std::string resolved(const char* path) {
    char real[PATH_MAX];
    return realpath(path, real) ? real : "";
}

// The unit-macro file that a unit-names file names.
std::string macrofile(const std::string& names) {
    std::string head;
    return readhead(names.c_str(), head) ? macrofileof(head) : "";
}
}  // namespace

std::string macrofileof(std::string_view head) {
    char word[PATH_MAX];
    for (int k = 0; k < 8; ++k)
        if (!readword(head, word, sizeof word)) return "";
    return word;
}

bool unitnamesfile(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode) && !macrofile(path).empty();
}

std::string librarypath(const char* name) {
    if (std::strchr(name, '/') || unitnamesfile(name)) return name;
    std::string folder = programfolder();
    if (folder.empty()) return name;
    // Beside the program in a build tree, under share/ in an installation.
    for (const char* place : {"", "../share/phycalc/"}) {
        std::string candidate = folder + place + name + ".names";
        if (access(candidate.c_str(), R_OK) == 0) return candidate;
    }
    return name;
}

bool islibrary(const char* path) {
    std::string names = librarypath("si");
    if (names == "si") return false;
    std::string library = resolved(macrofile(names).c_str()), file = resolved(path);
    return !library.empty() && library == file;
}

namespace {
// file in the phycalc folder of the XDG base directory that variable names
// (an absolute path), or of its default under the home folder.
std::string xdgfile(const char* variable, const char* underhome, const char* file) {
    if (const char* folder = std::getenv(variable); folder && folder[0] == '/')
        return std::string(folder) + "/phycalc/" + file;
    if (const char* home = std::getenv("HOME"); home && home[0])
        return std::string(home) + "/" + underhome + "/phycalc/" + file;
    return "";
}
}  // namespace

std::string userunits() { return xdgfile("XDG_DATA_HOME", ".local/share", "units"); }

std::string historyfile() { return xdgfile("XDG_STATE_HOME", ".local/state", "history"); }

void makefolders(const std::string& path, unsigned mode) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), mode);
}
