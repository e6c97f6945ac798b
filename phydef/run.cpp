// phydef: defines a unit from another one, a factor and offsets, and appends it
// to the unit-macro file named by the unit-names file, unless that file already
// defines the name.  Exit status 0 when the entry was appended, 1 otherwise;
// the file is never changed by a refusal.  Without "-u", PHYCALC_UNITS names
// the unit-names file.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/about.h"
#include "core/deffile.h"
#include "core/output.h"
#include "core/places.h"
#include "core/settings.h"
#include "core/strings.h"
#include "engine/engine.h"
#include "entry.h"
#include "phycalc/library.h"
#include "run.h"
#include "usage.h"

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
    errors << message;
    return 1;
}

// Given the library, a unit goes to the user's own units, which need a home.
int refusenohome() { return refuse("cant write the library; no home for your own units (set XDG_DATA_HOME)\n"); }

constexpr std::size_t MACRO_PATH_MAX = 299;  // what phycalc keeps of the path

// The eighth word of the unit-names file, or a message why there is none.
bool macropath(const char* unitnames, std::string& path, std::string& why) {
    std::string head;
    if (!readhead(unitnames, head)) {
        why = std::string("cant read unit-names file ") + unitnames + "\n";
        return false;
    }
    path = macrofileof(head);
    if (path.empty()) {
        why = std::string("fewer than eight words in unit-names file ") + unitnames + "\n";
        return false;
    }
    if (path.size() > MACRO_PATH_MAX) {
        why = std::string("unit-macro path too long in ") + unitnames + "\n";
        return false;
    }
    return true;
}

// The unit-macro file, opened for appending and locked.  Only a regular file
// is used, and opening never waits (a FIFO without a reader is refused).
struct Target {
    int fd = -1;
    bool created = false;  // by this run: removed again when it stays empty
    std::string why;
};

bool samefile(int fd, const std::string& path) {
    struct stat opened, named;
    return fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// A file this run created goes again when it is still empty: another run may
// have written to it meanwhile, and what it wrote must stay.
void removeifempty(int fd, const std::string& path) {
    struct stat info;
    if (fstat(fd, &info) == 0 && info.st_size == 0 && samefile(fd, path)) unlink(path.c_str());
}

Target opentarget(const std::string& path) {
    Target t;
    // A file created and removed again by another run, while this one waited
    // for the lock, is opened anew.
    for (int attempt = 0; attempt < 100; ++attempt) {
        t.created = false;
        t.fd = open(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
        if (t.fd < 0 && errno == ENOENT) {
            t.fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            t.created = t.fd >= 0;
            if (t.fd < 0 && errno == EEXIST) continue;
        }
        if (t.fd < 0) {
            t.why = "cant write " + path + "\n";
            return t;
        }
        struct stat info;
        if (fstat(t.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            t.why = "cant write " + path + ": not a regular file\n";
        } else if (flock(t.fd, LOCK_EX) != 0) {
            t.why = "cant lock " + path + "\n";
        } else if (samefile(t.fd, path)) {
            return t;
        } else {
            close(t.fd);
            continue;
        }
        if (t.created) removeifempty(t.fd, path);
        close(t.fd);
        t.fd = -1;
        return t;
    }
    t.fd = -1;
    t.why = "cant write " + path + "\n";
    return t;
}

// Counts the entries of name, with a message for each; -1 when the file cannot be scanned.
int duplicates(const std::string& path, const char* name) {
    DefFile file(path.c_str());
    if (file.status() == DefFile::Status::TOO_LARGE) {
        errors << DefFile::toolarge(path.c_str());
        return -1;
    }
    int defined = 0;
    for (std::string_view entry : file.entries())
        if (defines(entry, name)) {
            errors << "This unit is allready defined in " << path << " delete old entry and retry\n";
            ++defined;
        }
    return defined;
}

// Whether the file at path has an entry of name (none when it cannot be read).
bool defined(const std::string& path, const char* name) {
    DefFile file(path.c_str());
    for (std::string_view entry : file.entries())
        if (defines(entry, name)) return true;
    return false;
}

// Writes line in one piece; on a failure the file is brought back to its size before.
bool writeentry(int fd, const std::string& path, const std::string& line) {
    struct stat before;
    bool sized = fstat(fd, &before) == 0;
    if (sized && static_cast<unsigned long long>(before.st_size) + line.size() > DEFFILE_MAX) {
        errors << "cant write " << path << ": it would grow past the 64 MiB that phycalc reads\n";
        return false;
    }
    if (write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size())) return true;
    if (sized && ftruncate(fd, before.st_size) != 0) errors << "cant restore " << path << "\n";
    errors << "cant write " << path << "\n";
    return false;
}

// Scans for the name and appends the line, both under an exclusive lock.
int append(const std::string& path, const char* name, const std::string& line) {
    Target target = opentarget(path);
    if (target.fd < 0) return refuse(target.why);
    int status = 0;
    int defined = duplicates(path, name);
    if (defined != 0)
        status = 1;
    else if (!writeentry(target.fd, path, line))
        status = 1;
    if (status != 0 && target.created) removeifempty(target.fd, path);
    close(target.fd);  // releases the lock
    return status;
}

// Blanks and line ends would split or join the values of the entry.
bool plaintext(const char* value, bool blanksallowed) {
    for (const char* p = value; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (std::iscntrl(c) || (!blanksallowed && std::isspace(c))) return false;
    }
    return true;
}

// "NAME = EXPRESSION" among the arguments (not the value of an option), or
// null; others set when an option but -u stands beside it.
const char* expressionform(int argc, char** argv, bool& others) {
    const char* text = nullptr;
    for (int i = 1; i < argc; ++i) {
        Option option = optionof(argv[i]);
        if (option != NO_OPTION) {
            others = others || option != UNAMES;
            ++i;
        } else if (argv[i][0] != '-' && std::strchr(argv[i], '=')) {
            text = argv[i];
        }
    }
    return text;
}

// The unit NAME = EXPRESSION, evaluated as phycalc would with the library
// and your own units, appended in the library's notation: a plain name.
int defineexpression(const char* unitnames, const char* text) {
    std::string path, why;
    if (!macropath(librarypath(unitnames).c_str(), path, why)) return refuse(why);
    std::string name, expr;
    if (!namedexpression(text, name, expr))
        return refuse("phydef: write the unit as NAME = EXPRESSION, as in 'smoot = 1.7018*m'\n");
    if (std::string bad = refusedunitname(name); !bad.empty()) return refuse("phydef: " + name + ": " + bad + "\n");
    bool library = islibrary(path.c_str());
    std::string own = library ? userunits() : "";
    if (library && own.empty()) return refusenohome();
    SettingsScope keep;
    EndingRefused going;
    setmacrofile(path.c_str());
    setformulafile("");
    setuserunits(own.c_str());
    setplurals(library);
    for (const char* file : {USERUNITS, MACNAME})
        if (file[0] && defined(file, name.c_str()))
            return refuse("phydef: " + name + " is defined already in " + file + "\n");
    std::string definition;
    if (!macrodefinition(expr, definition, why)) return refuse("phydef: " + expr + ": " + why + "\n");
    if (library) makefolders(own);
    return append(library ? own : path, name.c_str(), "#" + name + "=" + definition + "\n");
}
}  // namespace

int runphydef(int argc, char** argv) {
    if (about(argc, argv, "phydef", PHYDEF_USAGE)) return outputwritten("phydef") ? 0 : 2;
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
    bool others = false;
    if (const char* text = expressionform(argc, argv, others)) {
        if (others) return refuse("phydef: NAME = EXPRESSION takes no option but -u\n");
        return defineexpression(values[UNAMES] ? values[UNAMES] : "si", text);
    }
    if (!values[UNAMES]) return refuse("no unit-names file given (-u)\n");
    std::string path, why;
    if (!macropath(librarypath(values[UNAMES]).c_str(), path, why)) return refuse(why);
    if (!values[NAME]) return refuse("\nUnit name not defined\n");
    if (!findablename(values[NAME]))
        return refuse(std::string("not a unit name phycalc can find: ") + values[NAME] + "\n");
    if (!plaintext(values[NAME], false)) return refuse("cant use blanks or control characters in -name\n");
    // A shell variable that expanded to nothing ("$m" in double quotes).
    if (values[UNIT] && !trimmed(values[UNIT]).size()) return refuse("cant use an empty -unit\n");
    for (int option : {UNIT, ADD1, MULT, ADD2}) {
        if (!values[option]) continue;
        if (std::strchr(values[option], '#')) return refuse(std::string("cant use # in ") + values[option] + "\n");
        if (!plaintext(values[option], option == UNIT))
            return refuse(std::string("cant use blanks or control characters in ") + OPTION_NAMES[option] + "\n");
    }

    std::string unit;
    if (values[UNIT] && !rewriteunit(values[UNIT], unit)) return refuse("unit text too long\n");
    // The library installed with the programs is theirs: a user's units go to
    // the user's own file, which phycalc reads with the library.
    if (islibrary(path.c_str())) {
        // phycalc reads the user's units before the library: a name of the
        // library there would hide the library's unit.
        if (defined(path, values[NAME]))
            return refuse(std::string("phydef: ") + values[NAME] + " is a unit of the library " + path +
                          "; choose another name\n");
        std::string own = userunits();
        if (own.empty()) return refusenohome();
        makefolders(own);
        errors << "phydef: the library stays as it is; " << values[NAME] << " goes to " << own << "\n";
        path = own;
    }
    Definition d;
    d.name = values[NAME];
    d.unit = values[UNIT] ? unit.c_str() : nullptr;
    d.add1 = values[ADD1];
    d.mult = values[MULT];
    d.add2 = values[ADD2];
    return append(path, d.name, entryline(d));
}
