// Many phydef runs at once on one unit-macro file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
// 100 writers at once: every name is tried by ten runs.  A long file keeps
// each run's scan busy, so that unlocked runs would overlap; a missing file is
// created by one of them while the others wait for it.
void racewriters(bool prefilled) {
    fs::path dir = fs::temp_directory_path() / ("phydef-race-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path macros = dir / "macros";
    std::ofstream(dir / "names") << "SI m kg s K C mol " << macros.string() << "\n";
    if (prefilled) {
        std::ofstream filler(macros);
        for (int k = 0; k < 20000; ++k) filler << "#filler" << k << "= _~_" << k << "_\n";
    }
    std::string names = (dir / "names").string();

    constexpr int NAMES = 10, TRIES = 10;
    std::map<pid_t, int> runs;
    for (int t = 0; t < TRIES; ++t)
        for (int n = 0; n < NAMES; ++n) {
            pid_t pid = fork();
            if (pid == 0) {
                int quiet = open("/dev/null", O_WRONLY);
                dup2(quiet, 2);
                std::string name = "u" + std::to_string(n), mult = std::to_string(n) + std::string(200, '0');
                execl(PHYDEF_BIN, PHYDEF_BIN, "-u", names.c_str(), "-name", name.c_str(), "-mult", mult.c_str(),
                      static_cast<char*>(nullptr));
                _exit(127);
            }
            ASSERT_GT(pid, 0);
            runs[pid] = n;
        }
    std::vector<int> appended(NAMES, 0);
    for (auto [pid, n] : runs) {
        int status;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_TRUE(WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 1);
        if (WEXITSTATUS(status) == 0) ++appended[n];
    }

    std::ifstream in(macros);
    std::map<std::string, int> seen;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("#filler", 0) == 0) continue;
        std::string name = line.substr(1, line.find('=') - 1);
        std::string n = name.substr(1);
        // Built by appending: GCC 12 warns falsely (-Wrestrict) on "#" + name.
        std::string expected = "#";
        expected.append(name).append("= _~_").append(n).append(200, '0').append("_");
        EXPECT_EQ(line, expected);
        ++seen[name];
    }
    for (int n = 0; n < NAMES; ++n) {
        EXPECT_EQ(appended[n], 1) << n;
        EXPECT_EQ(seen["u" + std::to_string(n)], 1) << n;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(NAMES));
    fs::remove_all(dir);
}
}  // namespace

TEST(PhydefRace, EveryNameOnceAndEveryEntryWhole) { racewriters(true); }
TEST(PhydefRace, WritersThatCreateTheFileAtOnce) { racewriters(false); }
