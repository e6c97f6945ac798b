// phydef's whole run on random arguments and a random unit-macro file, in a
// private directory.  After each run: a refusal changed no file, and a success
// appended exactly one whole entry, the first of its name, so phycalc finds it.
// An argument "name = expression" defines a unit in the library's notation.
//
// Input: the unit-macro file, then the arguments, separated by NUL bytes.
// "-u names" always comes first; arguments that could name another unit-names
// file are left out, so that no run writes outside the directory.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common.h"
#include "core/deffile.h"
#include "phydef/run.h"

namespace {
bool selectsunitnames(std::string_view arg) { return arg == "-" || arg.substr(0, 2) == "-u"; }

void expect(bool holds) {
    if (!holds) __builtin_trap();
}

std::size_t filecount() {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(privatedir())) ++n;
    return n;
}

// The entry appended is one whole line, "#name=...", of the name of -name
// (or of "name = expression"), and the one that a lookup finds.
void checkappended(const std::string& before, const std::string& after, const std::string& optionname) {
    expect(after.size() > before.size() && after.compare(0, before.size(), before) == 0);
    std::string line = after.substr(before.size());
    expect(line.size() >= 4 && line[0] == '#' && line.substr(line.size() - 2) == "_\n");
    expect(line.find('\n') == line.size() - 1 && line.find('#', 1) == std::string::npos);
    std::string name = line.substr(1, line.find('=') - 1);
    expect(optionname.empty() || (name == optionname && line[name.size() + 2] == ' '));
    DefFile file((privatedir() + "/macros").c_str());
    std::size_t found = 0;
    for (std::string_view entry : file.entries()) found += defines(entry, name);
    expect(found == 1 && defines(file.entries().back(), name));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // Absolute paths: the fuzzer reads its corpus relative to the working directory.
    static const std::string names = [] {
        unsetenv("PHYCALC_UNITS");
        std::string path = privatedir() + "/names";
        writefile(path, "SI m kg s K C mol " + privatedir() + "/macros\n");
        return path;
    }();
    if (size == 0) return 0;
    std::vector<std::string_view> part = parts(data, size, '\0');
    std::vector<std::string> args = {"phydef", "-u", names};
    for (std::size_t k = 1; k < part.size(); ++k) {
        if (selectsunitnames(part[k])) return 0;
        args.emplace_back(part[k]);
    }
    const std::string macros = privatedir() + "/macros";
    bool exists = data[0] & 1 || part[0].size();
    if (exists)
        writefile(macros, part[0]);
    else
        std::filesystem::remove(macros);
    std::string before = readfile(macros);
    std::size_t files = filecount();

    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int status;
    {
        Silence quiet;
        status = runphydef(static_cast<int>(args.size()), argv.data());
    }
    expect(status == 0 || status == 1);
    if (status == 1) {
        expect(filecount() == files && std::filesystem::exists(macros) == exists && readfile(macros) == before);
        return 0;
    }
    // The name is the value of the last argument that selects -name.
    std::string name;
    for (std::size_t k = 3; k + 1 < args.size(); ++k)
        if (args[k].size() >= 2 && std::string("-name").rfind(args[k], 0) == 0 && args[k] != "-") name = args[k + 1];
    checkappended(before, readfile(macros), name);
    return 0;
}
