// The history of the prompt: appended line by line, shared, cut to its last
// lines, and never left with part of a line.
#include "phycalc/history.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "capture.h"
#include "core/output.h"
#include "files.h"

namespace {
std::string lines(int from, int to) {
    std::string text;
    for (int k = from; k <= to; ++k) text += std::to_string(k) + "\n";
    return text;
}
}  // namespace

TEST(History, TwoSessionsSharingTheFileKeepEveryLine) {
    TempFile file("");
    History one(file.path()), two(file.path());
    one.append("1111");
    two.append("2222");
    one.append("3333");
    EXPECT_EQ(readfile(file.path()), "1111\n2222\n3333\n");
}

TEST(History, LoadsTheLastLinesAndCutsAFileOfMoreThanTwiceAsMany) {
    TempFile file(lines(1, 2001));
    std::vector<std::string> loaded = History(file.path()).load(1000, 999);
    ASSERT_EQ(loaded.size(), 1000u);
    EXPECT_EQ(loaded.front(), "1002");
    EXPECT_EQ(loaded.back(), "2001");
    EXPECT_EQ(readfile(file.path()), lines(1002, 2001));
    // Up to twice as many lines stay as they are.
    TempFile small(lines(1, 2000));
    EXPECT_EQ(History(small.path()).load(1000, 999).front(), "1001");
    EXPECT_EQ(readfile(small.path()), lines(1, 2000));
}

TEST(History, ALineTooLongToEvaluateIsPassedOver) {
    TempFile file("1+1\n" + std::string(10 << 20, '7') + "\n2+2\n");
    std::vector<std::string> loaded = History(file.path()).load(1000, 999);
    EXPECT_EQ(loaded, (std::vector<std::string>{"1+1", "2+2"}));
}

TEST(History, AFileThatCannotBeWrittenIsNamedOnce) {
    std::string folder = std::filesystem::temp_directory_path() / ("phycalc-history-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    Captured err(errors);
    History history(folder);  // a folder where the file should be
    history.append("1+1");
    history.append("2+2");
    EXPECT_EQ(err.text(), "phycalc: the lines typed are not kept in " + folder + ": not a regular file\n");
    std::filesystem::remove(folder);
}

TEST(History, AFullDiskLeavesNoPartOfALine) {
    TempFile file("1+1\n");
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 6;  // two bytes more than the file: the next line is cut
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Captured err(errors);
    History(file.path()).append("12345678");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(readfile(file.path()), "1+1\n");
    EXPECT_NE(err.text().find("are not kept in"), std::string::npos) << err.text();
}

TEST(History, AFileThatLibeditWroteIsReadAsTyped) {
    TempFile file("_HiStOrY_V2_\n2*\\040km\n1+1\n");
    EXPECT_EQ(History(file.path()).load(1000, 999), (std::vector<std::string>{"2* km", "1+1"}));
    EXPECT_EQ(readfile(file.path()), "2* km\n1+1\n");  // from now on plain lines
}
