// phydef on a full disk and on a read-only one, in a small tmpfs mounted in a
// private mount namespace.  Where mounting is not allowed the test is skipped.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files.h"

namespace fs = std::filesystem;

namespace {
constexpr int SKIPPED = 77;
fs::path disk;

struct Outcome {
    int status;
    std::string err;
};

Outcome phydef(const std::string& name) {
    fs::path err = fs::temp_directory_path() / ("phydef-disk-err-" + std::to_string(getpid()));
    pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(err.c_str(), "w", stderr)) _exit(120);
        std::string names = (disk / "names").string();
        execl(PHYDEF_BIN, PHYDEF_BIN, "-u", names.c_str(), "-name", name.c_str(), "-mult", "1000",
              static_cast<char*>(nullptr));
        _exit(121);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Outcome run{WIFEXITED(status) ? WEXITSTATUS(status) : 128, readfile(err)};
    fs::remove(err);
    return run;
}

// Fills the disk to its last byte; the existing entries take whole pages, so
// that no append finds room left in the file's last page either.
void filldisk() {
    std::ofstream filler(disk / "filler", std::ios::binary);
    std::string block(4096, 'x');
    while (filler.write(block.data(), block.size())) filler.flush();
}

TEST(PhydefDisk, AFullDiskLeavesTheFileAsItWas) {
    std::string entries = "#km= _~_1000_$m_\n";
    entries.resize(4096, '\n');
    std::ofstream(disk / "macros", std::ios::binary) << entries;
    filldisk();
    Outcome run = phydef("mi");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "cant write " + (disk / "macros").string() + "\n");
    EXPECT_EQ(readfile(disk / "macros"), entries);
    fs::remove(disk / "macros");
    fs::remove(disk / "filler");
}

TEST(PhydefDisk, AFullDiskLeavesNoNewFile) {
    filldisk();
    Outcome run = phydef("mi");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "cant write " + (disk / "macros").string() + "\n");
    EXPECT_FALSE(fs::exists(disk / "macros"));
    fs::remove(disk / "filler");
}

TEST(PhydefDisk, AReadOnlyDiskIsRefused) {
    std::ofstream(disk / "macros") << "#km= _~_1000_$m_\n";
    ASSERT_EQ(mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    Outcome run = phydef("mi");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "cant write " + (disk / "macros").string() + "\n");
    EXPECT_EQ(readfile(disk / "macros"), "#km= _~_1000_$m_\n");
    ASSERT_EQ(mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT, nullptr), 0);
    fs::remove(disk / "macros");
}

// A private mount namespace, so that the tmpfs is seen by this process and
// its children only and vanishes with them.
bool mountdisk() {
    disk = fs::temp_directory_path() / ("phydef-disk-" + std::to_string(getpid()));
    fs::create_directories(disk);
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        std::printf("skipped: cannot mount a tmpfs here (%s)\n", std::strerror(errno));
        fs::remove(disk);
        return false;
    }
    std::ofstream(disk / "names") << "SI m kg s K C mol " << (disk / "macros").string() << "\n";
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!mountdisk()) return SKIPPED;
    int result = RUN_ALL_TESTS();
    umount(disk.c_str());
    fs::remove(disk);
    return result;
}
