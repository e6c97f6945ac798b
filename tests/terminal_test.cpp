// phycalc at a terminal: a pseudo-terminal types expressions, Ctrl-C and
// Ctrl-D, and reads the screen.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {
class Terminal {
public:
    // term "dumb" reads plain lines; any other edits them where libedit is there.
    // The history is kept in state, a folder of the test's.
    // option, when given, is phycalc's only argument.
    explicit Terminal(const char* term, const std::string& state = "/proc/nonexistent", const char* option = nullptr) {
        pid_ = forkpty(&fd_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            unsetenv("PHYCALC_UNITS");
            setenv("TERM", term, 1);
            setenv("XDG_STATE_HOME", state.c_str(), 1);
            execl(PHYCALC_BIN, PHYCALC_BIN, option, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0 && !exited_) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
        if (fd_ >= 0) close(fd_);
    }

    bool started() const { return pid_ > 0; }
    void type(const std::string& keys) { ASSERT_EQ(write(fd_, keys.data(), keys.size()), ssize_t(keys.size())); }

    // Reads the screen until it holds text after what was read so far, or ten seconds pass.
    bool waitfor(const std::string& text) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (screen_.find(text, seen_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline || !readscreen(50)) return false;
        }
        seen_ = screen_.find(text, seen_) + text.size();
        return true;
    }

    // Types a line, then waits for expected and the next prompt, and a moment
    // more, as a person would (see the first test); false when either is missing.
    bool ask(const char* keys, const std::string& expected) {
        type(keys);
        bool answered = waitfor(expected) && waitfor("phycalc> ");
        usleep(200000);
        return answered;
    }

    // The exit status, or -1 when the program has not ended within ten seconds.
    int status() {
        int status = 0;
        for (int wait = 0; wait < 1000; ++wait) {
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (!readscreen(10)) usleep(10000);  // the terminal has closed: only wait
        }
        return -1;
    }
    const std::string& screen() const { return screen_; }

private:
    // Adds what the program writes within ms milliseconds; false once it has gone.
    bool readscreen(int ms) {
        pollfd p = {fd_, POLLIN, 0};
        if (poll(&p, 1, ms) <= 0) return true;
        char buffer[4096];
        ssize_t got = read(fd_, buffer, sizeof buffer);
        if (got <= 0) return false;
        screen_.append(buffer, got);
        return true;
    }

    int fd_ = -1;
    pid_t pid_ = -1;
    bool exited_ = false;
    std::string screen_;
    std::size_t seen_ = 0;
};

class TerminalKinds : public testing::TestWithParam<const char*> {};

TEST_P(TerminalKinds, PromptsEvaluatesAbandonsALineOnCtrlCAndEndsOnCtrlD) {
    Terminal t(GetParam());
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitfor("phycalc> "));
    t.type("2*(3+4)\r");
    EXPECT_TRUE(t.waitfor("2*(3+4)"));
    EXPECT_TRUE(t.waitfor("14\r\n")) << t.screen();  // a person gets the readable form
    EXPECT_TRUE(t.waitfor("phycalc> "));
    // libedit writes the prompt before it sets up the terminal: a key typed in
    // between may be dropped, or Ctrl-C reach the kernel's line instead of it.
    // A person never answers that fast.
    usleep(200000);
    t.type("5=x");
    EXPECT_TRUE(t.waitfor("5=x"));  // as a person sees the line before dropping it
    t.type("\x03");                 // Ctrl-C: the line is dropped, x stays unset
    EXPECT_TRUE(t.waitfor("phycalc> ")) << t.screen();
    usleep(200000);
    EXPECT_TRUE(t.ask("%x+1\r", "cant add comands : ")) << t.screen();
    t.type("\x04");  // Ctrl-D
    EXPECT_EQ(t.status(), 0) << t.screen();
}

INSTANTIATE_TEST_SUITE_P(Terminal, TerminalKinds, testing::Values("dumb", "xterm"));

// A line of options alone opens the prompt with them.
TEST(Terminal, OptionsAloneOpenThePromptInTheirForm) {
    Terminal t("dumb", "/proc/nonexistent", "--polar");
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitfor("phycalc> "));
    EXPECT_TRUE(t.ask("3+4*i\r", "5 angle 53.1301023542 deg\r\n")) << t.screen();
    t.type("\x04");
    EXPECT_EQ(t.status(), 0) << t.screen();
}

// The first line names the library loaded, help answers, Tab completes a
// keyword or a unit, and a line typed in one run comes back in the next.
TEST(Terminal, LibraryHelpCompletionAndHistory) {
#ifndef PHYCALC_LIBEDIT
    GTEST_SKIP() << "built without libedit";
#endif
    char folder[] = "/tmp/phycalc-state-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    {
        Terminal t("xterm", folder);
        ASSERT_TRUE(t.waitfor("units of SI from ")) << t.screen();
        ASSERT_TRUE(t.waitfor("help for a short guide")) << t.screen();
        ASSERT_TRUE(t.waitfor("phycalc> "));
        usleep(200000);
        EXPECT_TRUE(t.ask("help tempC\r", "tempC(x): x degrees Celsius")) << t.screen();
        // Tab completes the word before the cursor: angstrom, and a blank.
        EXPECT_TRUE(t.ask("2*angs\t-> nm\r", "0.2 nm")) << t.screen();
        EXPECT_TRUE(t.ask("sq\t2\r", "1.41421356237")) << t.screen();
        t.type("\x04");
        EXPECT_EQ(t.status(), 0) << t.screen();
    }
    Terminal again("xterm", folder);
    ASSERT_TRUE(again.waitfor("phycalc> "));
    usleep(200000);
    again.type("\x1b[A\r");  // the arrow up: the last line of the run before
    EXPECT_TRUE(again.waitfor("1.41421356237")) << again.screen();
    usleep(200000);
    again.type("\x04");
    EXPECT_EQ(again.status(), 0);
    std::filesystem::remove_all(folder);
}

// phycalc's status and first line of standard error when its standard input
// is a folder.
int withfolderinput(std::vector<const char*> args, std::string& message) {
    int dir = open("/", O_RDONLY | O_DIRECTORY);
    FILE* err = std::tmpfile();
    args.insert(args.begin(), PHYCALC_BIN);
    args.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int quiet = open("/dev/null", O_WRONLY);
        dup2(dir, 0);
        dup2(quiet, 1);
        dup2(fileno(err), 2);
        execv(PHYCALC_BIN, const_cast<char**>(args.data()));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    close(dir);
    char line[200] = {};
    std::rewind(err);
    message = std::fgets(line, sizeof line, err) ? line : "";
    std::fclose(err);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Terminal, AnUnreadableStandardInputIsReported) {
    std::string message;
    EXPECT_EQ(withfolderinput({"1+1", "-"}, message), 2);
    EXPECT_EQ(message, "phycalc: cannot read standard input: Is a directory\n");
    // Status 2 wins over the 3 of --strict for the message of nosuch.
    EXPECT_EQ(withfolderinput({"--strict", "nosuch", "-"}, message), 2);
}

// phycalc with args, talked to through pipes as a program would.
class Piped {
public:
    explicit Piped(std::vector<const char*> args) {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0) return;
        args.insert(args.begin(), PHYCALC_BIN);
        args.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            close(in[1]);
            close(out[0]);
            execv(PHYCALC_BIN, const_cast<char**>(args.data()));
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        in_ = in[1];
        out_ = out[0];
    }
    ~Piped() {
        if (in_ >= 0) close(in_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
        if (out_ >= 0) close(out_);
    }

    // Writes line and waits for what phycalc answers, ten seconds at most.
    std::string answer(const std::string& line) {
        EXPECT_EQ(write(in_, line.data(), line.size()), ssize_t(line.size()));
        pollfd p = {out_, POLLIN, 0};
        if (poll(&p, 1, 10000) <= 0) return "(no answer)";
        char buffer[256];
        ssize_t got = read(out_, buffer, sizeof buffer);
        return std::string(buffer, got > 0 ? got : 0);
    }

    // Ends the input; the exit status.
    int status() {
        close(in_);
        in_ = -1;
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
};

// A program that writes a line to phycalc and then waits for the answer gets
// it while the pipe is still open.
TEST(Pipe, EachAnswerComesBeforeTheNextLineIsRead) {
    Piped phycalc({"-"});
    EXPECT_EQ(phycalc.answer("1+1\n"), "2.000000000000e+00 \n");
    EXPECT_EQ(phycalc.answer("2*3\n"), "6.000000000000e+00 \n");
    EXPECT_EQ(phycalc.status(), 0);
}

// An entry appended to the unit-macro file between two blocks of standard
// input is there for the second.
TEST(Pipe, AnEntryAppendedBetweenTwoBlocksIsSeenByTheSecond) {
    char folder[] = "/tmp/phycalc-blocks-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    std::string names = std::string(folder) + "/names", macros = std::string(folder) + "/macros";
    std::ofstream(names) << "SI m kg s K C mol " << macros << "\n";
    std::ofstream(macros) << "#m=_c(_1_$m_1_c)_\n";
    {
        Piped phycalc({"-u", names.c_str(), "-"});
        EXPECT_EQ(phycalc.answer("2*km\n"), "syntax error , dont know how to km : \n");
        std::ofstream(macros, std::ios::app) << "#km=_c(_1000_$m_1_c)_\n";
        EXPECT_EQ(phycalc.answer("2*km\n"), "2.000000000000e+03  {m^(1.000000000000e+00)} \n");
    }
    std::filesystem::remove_all(folder);
}
}  // namespace
