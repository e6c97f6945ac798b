// Runs the built programs on the cases of tests/cases/*.cases and compares their
// exact standard output, standard error, exit status and files.
//
// A case file holds cases of this form (one directive a line, '#' starts a comment):
//   case <name>
//   file <path> <content>        created in the case's fresh directory
//   run phycalc|phydef <arg>...  each run starts in that directory
//   out <text>                   expected standard output of the last run (default: empty)
//   err <text>                   expected standard error (default: not checked)
//   status <n>                   expected exit status (default: 0)
//   in <text>                    standard input of the last run (default: empty)
//   stdout <path>                standard output of the last run goes there (/dev/full), not checked
//   memory <MiB>                 address space of the last run (not under the sanitizers,
//                                whose shadow memory needs far more)
//   check <path> <content>       expected content of a file after the runs
//   absent <path>                expected: no such file after the runs
//   link <path> <target>         a symbolic link in the case's directory
//   env <name> <value>           set for the runs that follow (PHYCALC_UNITS is unset otherwise)
//   fifo <path>                  a named pipe in the case's directory
//   size <path> <bytes>          the file grown (sparse) or cut to that size
// "@case@" in an expected output stands for the case's directory, where the runs
// also find XDG_DATA_HOME (xdg-data) and XDG_STATE_HOME (xdg-state).
// "@data@" in any word stands for the directory of the shipped unit library,
// "@faults@" for the fault-injection library (see faults.c).
// A word is bare text or a "quoted" string with \n \t \r \\ \" \xHH escapes; a quoted
// piece followed by *N is repeated N times, and pieces written without blanks join.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files.h"

namespace fs = std::filesystem;

namespace {

struct Step {
    std::string program;
    std::vector<std::pair<std::string, std::string>> env;
    std::vector<std::string> args;
    std::string out;
    std::string in;
    std::string stdoutpath;
    long memory = 0;  // MiB; 0: no limit
    bool checkerr = false;
    std::string err;
    int status = 0;
    int line = 0;
};

struct Case {
    std::string name;
    std::string source;
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<Step> runs;
    std::vector<std::pair<std::string, std::string>> checks;
    std::vector<std::pair<std::string, std::string>> links;
    std::vector<std::string> fifos;
    std::vector<std::string> absent;
    std::vector<std::pair<std::string, std::string>> sizes;
    std::vector<std::pair<std::string, std::string>> env;
};

std::string withdata(std::string word) {
    for (auto [mark, path] : {std::pair<std::string, std::string>{"@data@", DATA_DIR}, {"@faults@", FAULTS_LIB}})
        for (std::size_t at; (at = word.find(mark)) != std::string::npos;) word.replace(at, mark.size(), path);
    return word;
}

void writefile(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

// Splits one line into words (see the format above).
std::vector<std::string> words(const std::string& line, const std::string& where) {
    std::vector<std::string> result;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i >= line.size()) break;
        std::string word;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
            if (line[i] != '"') {
                word += line[i++];
                continue;
            }
            std::string piece;
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] != '\\' || i + 1 >= line.size()) {
                    piece += line[i];
                    continue;
                }
                char c = line[++i];
                switch (c) {
                    case 'n': piece += '\n'; break;
                    case 't': piece += '\t'; break;
                    case 'r': piece += '\r'; break;
                    case 'x':
                        piece += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                        i += 2;
                        break;
                    default: piece += c;
                }
            }
            if (i >= line.size()) throw std::runtime_error(where + ": unterminated string");
            ++i;
            long repeat = 1;
            if (i < line.size() && line[i] == '*') {
                std::size_t used;
                repeat = std::stol(line.substr(i + 1), &used);
                i += 1 + used;
            }
            while (repeat-- > 0) word += piece;
        }
        result.push_back(withdata(word));
    }
    return result;
}

std::vector<Case> parse(const fs::path& path) {
    std::vector<Case> cases;
    std::ifstream in(path);
    std::string line;
    int number = 0;
    auto where = [&] { return path.filename().string() + ":" + std::to_string(number); };
    auto lastrun = [&]() -> Step& {
        if (cases.empty() || cases.back().runs.empty()) throw std::runtime_error(where() + ": no run before this");
        return cases.back().runs.back();
    };
    while (std::getline(in, line)) {
        ++number;
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        std::vector<std::string> w = words(line, where());
        const std::string& directive = w[0];
        auto arg = [&](std::size_t k) -> std::string {
            if (k >= w.size()) throw std::runtime_error(where() + ": missing value");
            return w[k];
        };
        if (directive == "case") {
            Case c;
            c.name = line.substr(line.find("case") + 5);
            c.source = where();
            cases.push_back(c);
        } else if (cases.empty()) {
            throw std::runtime_error(where() + ": directive before the first case");
        } else if (directive == "file") {
            cases.back().files.emplace_back(arg(1), w.size() > 2 ? w[2] : "");
        } else if (directive == "run") {
            Step run;
            run.program = arg(1);
            run.args.assign(w.begin() + 2, w.end());
            run.line = number;
            run.env = cases.back().env;
            cases.back().runs.push_back(run);
        } else if (directive == "out") {
            lastrun().out = w.size() > 1 ? w[1] : "";
        } else if (directive == "err") {
            lastrun().checkerr = true;
            lastrun().err = w.size() > 1 ? w[1] : "";
        } else if (directive == "memory") {
            lastrun().memory = std::stol(arg(1));
        } else if (directive == "stdout") {
            lastrun().stdoutpath = arg(1);
        } else if (directive == "in") {
            lastrun().in = w.size() > 1 ? w[1] : "";
        } else if (directive == "status") {
            lastrun().status = std::stoi(arg(1));
        } else if (directive == "link") {
            cases.back().links.emplace_back(arg(1), arg(2));
        } else if (directive == "absent") {
            cases.back().absent.push_back(arg(1));
        } else if (directive == "fifo") {
            cases.back().fifos.push_back(arg(1));
        } else if (directive == "size") {
            cases.back().sizes.emplace_back(arg(1), arg(2));
        } else if (directive == "env") {
            cases.back().env.emplace_back(arg(1), w.size() > 2 ? w[2] : "");
        } else if (directive == "check") {
            cases.back().checks.emplace_back(arg(1), w.size() > 2 ? w[2] : "");
        } else {
            throw std::runtime_error(where() + ": unknown directive " + directive);
        }
    }
    return cases;
}

std::string binary(const std::string& program) {
    if (program == "phycalc") return PHYCALC_BIN;
    if (program == "phydef") return PHYDEF_BIN;
    return program;
}

// Runs program in dir; returns its exit status (128 + signal when killed).
int execute(const fs::path& dir, const Step& run, const fs::path& out, const fs::path& err) {
    fs::path in = out.parent_path() / "stdin";
    writefile(in, run.in);
    std::string path = binary(run.program);
    std::vector<char*> argv;
    argv.push_back(path.data());
    std::vector<std::string> args = run.args;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int o = run.stdoutpath.empty() ? open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)
                                       : open(run.stdoutpath.c_str(), O_WRONLY);
        int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int n = open(in.c_str(), O_RDONLY);
        if (o < 0 || e < 0 || n < 0 || chdir(dir.c_str()) != 0) _exit(120);
        dup2(n, 0);
        dup2(o, 1);
        dup2(e, 2);
        if (run.memory) {
            rlimit limit = {static_cast<rlim_t>(run.memory) << 20, static_cast<rlim_t>(run.memory) << 20};
            setrlimit(RLIMIT_AS, &limit);
        }
        unsetenv("PHYCALC_UNITS");
        // The user's own units and history live in the case's directory.
        setenv("XDG_DATA_HOME", (dir / "xdg-data").c_str(), 1);
        setenv("XDG_STATE_HOME", (dir / "xdg-state").c_str(), 1);
        for (const auto& [name, value] : run.env) setenv(name.c_str(), value.c_str(), 1);
        alarm(30);  // a hang fails the case instead of the whole run
        execv(argv[0], argv.data());
        _exit(121);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Shows line ends and control characters in a failure message.
std::string visible(const std::string& s) {
    std::string v;
    for (char c : s) {
        if (c == '\n')
            v += "\\n";
        else if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) >= 127) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            v += hex;
        } else
            v += c;
    }
    return v;
}

// The run as a shell would show it, each argument in quotes.
std::string commandline(const Step& run) {
    std::string line = run.program;
    for (const std::string& arg : run.args) line += " '" + visible(arg) + "'";
    return line;
}

// A phycalc run whose arguments are all expressions, as the run of "phycalc -"
// that reads them from standard input; no arguments when there is none such.
Step aspipe(const Step& run) {
    Step piped = run;
    piped.args.clear();
    if (run.program != "phycalc" || !run.in.empty() || run.args.empty()) return piped;
    std::string lines;
    for (const std::string& arg : run.args) {
        if ((!arg.empty() && arg[0] == '-') || arg.find_first_of("\n\r") != std::string::npos) return piped;
        lines += arg + "\n";
    }
    piped.args = {"-"};
    piped.in = lines;
    return piped;
}

class CaseTest : public testing::Test {
public:
    explicit CaseTest(Case c) : c_(std::move(c)) {}

    void TestBody() override {
        fs::path base = fs::temp_directory_path() / ("phycalc-e2e-" + std::to_string(getpid()));
        fs::path dir = base / "case";
        fs::remove_all(base);
        fs::create_directories(dir);
        for (const auto& [name, content] : c_.files) writefile(dir / name, content);
        for (const auto& [name, target] : c_.links) {
            fs::create_directories((dir / name).parent_path());
            fs::create_symlink(target, dir / name);
        }
        for (const std::string& name : c_.fifos) ASSERT_EQ(mkfifo((dir / name).c_str(), 0644), 0);
        for (const auto& [name, bytes] : c_.sizes) fs::resize_file(dir / name, std::stoull(bytes));
        for (const Step& run : c_.runs) {
#ifdef PHYCALC_SANITIZED
            if (run.memory) GTEST_SKIP() << "a limited address space and the sanitizers do not go together";
#endif
            SCOPED_TRACE(c_.source.substr(0, c_.source.find(':')) + ":" + std::to_string(run.line) + ": " +
                         commandline(run));
            int status = execute(dir, run, base / "stdout", base / "stderr");
            std::string out = readfile(base / "stdout"), err = readfile(base / "stderr");
            // "@case@" in an expected text stands for the case's directory.
            for (std::string* text : {&out, &err})
                for (std::size_t at; (at = text->find(dir.string())) != std::string::npos;)
                    text->replace(at, dir.string().size(), "@case@");
            EXPECT_EQ(visible(run.out), visible(out));
            EXPECT_EQ(run.status, status) << "stderr: " << err;
            if (run.checkerr) {
                EXPECT_EQ(visible(run.err), visible(err));
            }
            if (const Step piped = aspipe(run); !piped.args.empty()) {
                SCOPED_TRACE("the same expressions on standard input");
                EXPECT_EQ(execute(dir, piped, base / "stdout", base / "stderr"), status);
                EXPECT_EQ(visible(readfile(base / "stdout")), visible(out));
            }
        }
        for (const auto& [name, content] : c_.checks) {
            EXPECT_EQ(visible(content), visible(readfile(dir / name))) << name;
        }
        for (const std::string& name : c_.absent) EXPECT_FALSE(fs::exists(dir / name)) << name;
        fs::remove_all(base);
    }

private:
    Case c_;
};

std::string testname(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(CASES_DIR))
        if (entry.path().extension() == ".cases") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        for (Case& c : parse(file)) {
            std::string suite = file.stem().string();
            testing::RegisterTest(suite.c_str(), testname(c.name).c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                  [c]() -> testing::Test* { return new CaseTest(c); });
        }
    }
    return RUN_ALL_TESTS();
}
