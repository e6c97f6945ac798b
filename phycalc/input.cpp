#include "input.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "engine/engine.h"
#include "frontend/frontend.h"


namespace {
// Of a line, no more than this can reach the working text: every character
// that does not end the expression is written as one character or more.
constexpr std::size_t LINE_KEEP = WORK_MAX + 1;

void evaluateline(char* line) {
    if (line[0]) handlestr(line);
}

int readerror() {
    std::cout.flush();
    std::cerr << "phycalc: cannot read standard input: " << std::strerror(errno) << "\n";
    return 2;
}

// Lines of a pipe or file, read in large blocks; what a line holds beyond
// LINE_KEEP characters is passed over, so memory stays the same for any input.
int readstream() {
    static char block[1 << 16];
    static char line[LINE_KEEP + 1];
    std::size_t length = 0;
    bool overlong = false;
    for (;;) {
        ssize_t got = read(STDIN_FILENO, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return readerror();
        if (got == 0) break;
        for (const char *p = block, *end = block + got; p < end;) {
            const char* newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* stop = newline ? newline : end;
            std::size_t take = std::min<std::size_t>(stop - p, LINE_KEEP - length);
            std::memcpy(line + length, p, take);
            length += take;
            overlong = overlong || take < static_cast<std::size_t>(stop - p);
            p = stop;
            if (!newline) break;
            line[length] = 0;
            evaluateline(line);
            length = 0;
            overlong = false;
            ++p;
        }
    }
    if (length || overlong) {
        line[length] = 0;
        evaluateline(line);
    }
    return 0;
}

volatile std::sig_atomic_t interrupted = 0;
void oninterrupt(int) { interrupted = 1; }

// Ctrl-C interrupts the reading of the line (no restart), and the line is dropped.
void catchinterrupt() {
    struct sigaction action = {};
    action.sa_handler = oninterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

constexpr const char* PROMPT = "phycalc> ";

// libedit is loaded only when a person types at a terminal, so that a run on
// arguments or a pipe starts without it.
struct LineEditor {
    char* (*readline)(const char*) = nullptr;
    int (*add_history)(const char*) = nullptr;
};

LineEditor loadeditor() {
    LineEditor editor;
#ifdef PHYCALC_LIBEDIT
    void* library = dlopen(PHYCALC_LIBEDIT, RTLD_NOW | RTLD_LOCAL);
    if (!library) return editor;
    auto* catchsignals = reinterpret_cast<int*>(dlsym(library, "rl_catch_signals"));
    editor.readline = reinterpret_cast<char* (*)(const char*)>(dlsym(library, "readline"));
    editor.add_history = reinterpret_cast<int (*)(const char*)>(dlsym(library, "add_history"));
    if (!catchsignals || !editor.readline || !editor.add_history) return LineEditor{};
    *catchsignals = 0;  // Ctrl-C is this program's
#endif
    return editor;
}

// The next line typed, or null at the end of the input; a line ended with
// Ctrl-C comes back empty.  The caller frees it.
char* nextline(const LineEditor& editor, bool& failed) {
    interrupted = 0;
    if (editor.readline) {
        char* line = editor.readline(PROMPT);
        if (line && line[0] && !interrupted) editor.add_history(line);
        if (line && interrupted) line[0] = 0;
        return line || !interrupted ? line : static_cast<char*>(std::calloc(1, 1));
    }
    std::cout << PROMPT << std::flush;
    char* line = nullptr;
    std::size_t size = 0;
    ssize_t length = getline(&line, &size, stdin);
    if (length < 0) {
        failed = std::ferror(stdin) && !interrupted;
        std::clearerr(stdin);
        std::free(line);
        return interrupted ? static_cast<char*>(std::calloc(1, 1)) : nullptr;
    }
    if (length && line[length - 1] == '\n') line[length - 1] = 0;
    return line;
}

int readterminal() {
    catchinterrupt();
    LineEditor editor = loadeditor();
    bool failed = false;
    for (char* line; (line = nextline(editor, failed)); std::free(line)) {
        if (interrupted) {
            std::cout << std::endl;
            continue;
        }
        if (std::strlen(line) > LINE_KEEP) line[LINE_KEEP] = 0;
        evaluateline(line);
        std::cout.flush();
    }
    if (failed) return readerror();
    std::cout << std::endl;
    return 0;
}
}  // namespace

int readexpressions() {
    std::cout.flush();
    return isatty(STDIN_FILENO) ? readterminal() : readstream();
}
