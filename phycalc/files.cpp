#include "files.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <iostream>
#include <sstream>

#include "core/deffile.h"
#include "core/settings.h"
#include "core/strings.h"

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

void cannotread(const char* what, const char* path) {
    std::cerr << "phycalc: cannot read the " << what << " " << path << ": " << std::strerror(errno) << "\n";
}
}  // namespace

std::string librarypath(const char* name) {
    if (std::strchr(name, '/') || access(name, F_OK) == 0) return name;
    std::string folder = programfolder();
    if (folder.empty()) return name;
    // Beside the program in a build tree, under share/ in an installation.
    for (const char* place : {"", "../share/phycalc/"}) {
        std::string candidate = folder + place + name + ".names";
        if (access(candidate.c_str(), R_OK) == 0) return candidate;
    }
    return name;
}

void readunitnames(const char* path) {
    std::string file = librarypath(path);
    std::string head;
    if (!readhead(file.c_str(), head)) return cannotread("unit-names file", path);
    std::istringstream words(head);
    setunitnames(words);
    if (MACNAME[0] && access(MACNAME, R_OK) != 0) cannotread("unit-macro file", MACNAME);
}

void readformulafile(const char* path) {
    std::string head;
    if (!readhead(path, head)) cannotread("formula file", path);
    std::istringstream file(head);
    char title[sizeof FORMTYTLE];
    copycut(title, FORMTYTLE, sizeof title);  // a file of no word keeps the title
    readword(file, title, sizeof title);
    setformulafile(path, title);
}
