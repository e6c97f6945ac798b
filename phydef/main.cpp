// phydef: defines a unit from another one, a factor and offsets, and appends it
// to the unit-macro file named by the unit-names file, unless that file already
// defines the name.  Exit status 0 when the entry was appended, 1 otherwise;
// the file is never changed by a refusal.  Without "-u", PHYCALC_UNITS names
// the unit-names file.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "core/deffile.h"
#include "core/strings.h"
#include "entry.h"

namespace {
enum Option { UNAMES, ADD1, ADD2, MULT, UNIT, NAME, OPTIONS, NO_OPTION = OPTIONS, AMBIGUOUS };

// In the order of the passes over the arguments.
const char* const OPTION_NAMES[OPTIONS] = {"-u", "-add1", "-add2", "-mult", "-unit", "-name"};

// An argument names an option in full or by a start that fits no other.
Option optionof(const char* arg) {
    Option found = NO_OPTION;
    for (int k = 0; k < OPTIONS; ++k) {
        if (!std::strcmp(arg, OPTION_NAMES[k])) return static_cast<Option>(k);
        if (comps(arg, OPTION_NAMES[k])) found = found == NO_OPTION ? static_cast<Option>(k) : AMBIGUOUS;
    }
    return found;
}

int refuse(const std::string& message) {
    std::cerr << message;
    return 1;
}

constexpr std::size_t WORD_SIZE = 320;
constexpr std::size_t MACRO_PATH_MAX = 299;  // what phycalc keeps of the path

// The eighth word of the unit-names file, or a message why there is none.
bool macropath(const char* unitnames, std::string& path, std::string& why) {
    std::ifstream file(unitnames);
    if (!file) {
        why = std::string("cant read unit-names file ") + unitnames + "\n";
        return false;
    }
    char word[WORD_SIZE + 1];
    for (int k = 0; k < 8; ++k)
        if (!readword(file, word, sizeof word)) {
            why = std::string("fewer than eight words in unit-names file ") + unitnames + "\n";
            return false;
        }
    if (std::strlen(word) > MACRO_PATH_MAX) {
        why = std::string("unit-macro path too long in ") + unitnames + "\n";
        return false;
    }
    path = word;
    return true;
}

// Scans for the name and appends the line, both under an exclusive lock.
int append(const std::string& path, const char* name, const std::string& line) {
    int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (fd < 0) return refuse("cant write " + path + "\n");
    if (flock(fd, LOCK_EX) != 0) {
        close(fd);
        return refuse("cant lock " + path + "\n");
    }
    int defined = 0;
    DefFile file(path.c_str());
    for (std::string_view entry : file.entries())
        if (defines(entry, name)) {
            std::cerr << "This unit is allready defined in " << path << " delete old entry and retry\n";
            ++defined;
        }
    int status = 0;
    if (defined) {
        status = 1;
    } else {
        struct stat before;
        bool sized = fstat(fd, &before) == 0;
        if (write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
            if (sized && ftruncate(fd, before.st_size) != 0) std::cerr << "cant restore " << path << "\n";
            status = refuse("cant write " + path + "\n");
        }
    }
    close(fd);  // releases the lock
    return status;
}
}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (optionof(argv[i]) == AMBIGUOUS) return refuse(std::string("ambiguous option ") + argv[i] + "\n");

    const char* values[OPTIONS] = {};
    for (int option = 0; option < OPTIONS; ++option)
        for (int i = 1; i + 1 < argc; ++i)
            if (optionof(argv[i]) == option) {
                values[option] = argv[i + 1];
                if (option == UNAMES) ++i;
            }

    if (const char* units = std::getenv("PHYCALC_UNITS"); !values[UNAMES] && units && units[0]) values[UNAMES] = units;
    if (!values[UNAMES]) return refuse("no unit-names file given (-u)\n");
    std::string path, why;
    if (!macropath(values[UNAMES], path, why)) return refuse(why);
    if (!values[NAME]) return refuse("\nUnit name not defined\n");
    if (!findablename(values[NAME])) return refuse(std::string("not a unit name phycalc can find: ") + values[NAME] + "\n");
    for (int option : {UNIT, ADD1, MULT, ADD2})
        if (values[option] && std::strchr(values[option], '#'))
            return refuse(std::string("cant use # in ") + values[option] + "\n");

    std::string unit;
    if (values[UNIT] && !rewriteunit(values[UNIT], unit)) return refuse("unit text too long\n");
    Definition d;
    d.name = values[NAME];
    d.unit = values[UNIT] ? unit.c_str() : nullptr;
    d.add1 = values[ADD1];
    d.mult = values[MULT];
    d.add2 = values[ADD2];
    return append(path, d.name, entryline(d));
}
