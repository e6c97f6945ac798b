#include "input.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/output.h"
#include "core/places.h"
#include "engine/engine.h"
#include "frontend/defindex.h"
#include "frontend/frontend.h"
#include "help.h"
#include "history.h"

namespace {
// Of a line, no more than this can reach the working text: every character
// that does not end the expression is written as one character or more.
constexpr std::size_t LINE_KEEP = WORK_MAX + 1;

void evaluateline(char* line) {
    if (line[0]) answer(line);
}

// A line of standard input, numbered from 1; a NUL byte in it ends it, with a note.
void evaluateline(char* line, std::size_t length, long number) {
    if (std::memchr(line, 0, length))
        errors << "phycalc: line " << number << " of standard input holds a NUL byte; the rest of it is dropped\n";
    evaluateline(line);
}

// Every answer is out before the program waits for more input, so that a
// program that writes one line and reads the answer gets it at once.
bool flushed() { return output.flush(); }

int readerror() {
    output.flush();
    errors << "phycalc: cannot read standard input: " << std::strerror(errno) << "\n";
    return 2;
}

// Lines of a pipe or file, read in large blocks; what a line holds beyond
// LINE_KEEP characters is passed over, so memory stays the same for any input.
int readstream() {
    static char block[1 << 16];
    static char line[LINE_KEEP + 1];
    std::size_t length = 0;
    long number = 0;
    for (;;) {
        if (!flushed()) return 2;
        ssize_t got = read(STDIN_FILENO, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return readerror();
        if (got == 0) break;
        newinput();
        for (const char *p = block, *end = block + got; p < end;) {
            const char* newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* stop = newline ? newline : end;
            std::size_t take = std::min<std::size_t>(stop - p, LINE_KEEP - length);
            std::memcpy(line + length, p, take);
            length += take;
            p = stop;
            if (!newline) break;
            line[length] = 0;
            evaluateline(line, length, ++number);
            length = 0;
            ++p;
        }
    }
    if (length) {  // a last line without its line end
        line[length] = 0;
        evaluateline(line, length, ++number);
    }
    return 0;
}

// Ctrl-C leaves a byte in a pipe as well as the flag, so that one that comes
// just before the program waits for a key is not lost: the wait sees the pipe.
volatile std::sig_atomic_t interrupted = 0;
int interruptpipe[2] = {-1, -1};

void oninterrupt(int) {
    interrupted = 1;
    char byte = 0;
    [[maybe_unused]] ssize_t written = write(interruptpipe[1], &byte, 1);
}

bool catchinterrupt() {
    if (pipe2(interruptpipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    struct sigaction action = {};
    action.sa_handler = oninterrupt;
    action.sa_flags = SA_RESTART;  // the wait below looks at the pipe
    sigemptyset(&action.sa_mask);
    return sigaction(SIGINT, &action, nullptr) == 0;
}

// A new line starts: a Ctrl-C that came before it is over.
void startline() {
    char bytes[64];
    while (read(interruptpipe[0], bytes, sizeof bytes) > 0) {}
    interrupted = 0;
}

// The next key, '\n' after Ctrl-C (the line ends, and is dropped), EOF at the
// end of the input or on an error (with failed set).
bool failed = false;
int nextkey(FILE*) {
    for (;;) {
        pollfd wait[2] = {{STDIN_FILENO, POLLIN, 0}, {interruptpipe[0], POLLIN, 0}};
        if (poll(wait, 2, -1) < 0) {
            if (errno == EINTR) continue;
            failed = true;
            return EOF;
        }
        if (wait[1].revents & POLLIN) return '\n';
        unsigned char key;
        ssize_t got = read(STDIN_FILENO, &key, 1);
        if (got == 1) return key;
        if (got < 0 && errno == EINTR) continue;
        failed = got < 0;
        return EOF;
    }
}

constexpr const char* PROMPT = "phycalc> ";

// libedit is loaded only when a person types at a terminal, so that a run on
// arguments or a pipe starts without it.
struct LineEditor {
    char* (*readline)(const char*) = nullptr;
    int (*add_history)(const char*) = nullptr;
    History history{""};  // the lines typed, kept between runs
};

constexpr int HISTORY_LINES = 1000;

// Tab: the keywords and names that begin with the word before the cursor.
[[maybe_unused]] char* completion(const char* start, int state) {
    static std::vector<std::string> found;
    static std::size_t next;
    if (state == 0) {
        found = completions(start);
        next = 0;
    }
    return next < found.size() ? strdup(found[next++].c_str()) : nullptr;
}

// A terminal that cannot move its cursor (TERM=dumb, an editor's shell) gets
// plain lines.
LineEditor loadeditor() {
    LineEditor editor;
    const char* term = std::getenv("TERM");
    if (!term || !term[0] || !std::strcmp(term, "dumb")) return editor;
#ifdef PHYCALC_LIBEDIT
    void* library = dlopen(PHYCALC_LIBEDIT, RTLD_NOW | RTLD_LOCAL);
    if (!library) return editor;
    auto* catchsignals = reinterpret_cast<int*>(dlsym(library, "rl_catch_signals"));
    auto* getkey = reinterpret_cast<int (**)(FILE*)>(dlsym(library, "rl_getc_function"));
    editor.readline = reinterpret_cast<char* (*)(const char*)>(dlsym(library, "readline"));
    editor.add_history = reinterpret_cast<int (*)(const char*)>(dlsym(library, "add_history"));
    if (!catchsignals || !getkey || !editor.readline || !editor.add_history) return LineEditor{};
    *catchsignals = 0;  // Ctrl-C is this program's
    *getkey = nextkey;
    // Words end at blanks and operators, so that "60*mp" completes "mp".
    if (auto* breaks = reinterpret_cast<const char**>(dlsym(library, "rl_basic_word_break_characters")))
        *breaks = " \t\n()*/+-^!{}=%;<>,";
    if (auto* complete = reinterpret_cast<char* (**)(const char*, int)>(dlsym(library, "rl_completion_entry_function")))
        *complete = completion;
    if (auto stifle = reinterpret_cast<void (*)(int)>(dlsym(library, "stifle_history"))) {
        std::string path = historyfile();
        if (!path.empty()) makefolders(path, 0700);  // the lines typed are the user's alone
        stifle(HISTORY_LINES);
        editor.history = History(path);
        for (const std::string& line : editor.history.load(HISTORY_LINES, LINE_KEEP)) editor.add_history(line.c_str());
    }
#endif
    return editor;
}

// A line of plain reading: the terminal edits it, the program takes its keys.
char* plainline() {
    output << PROMPT;
    output.flush();
    std::string line;
    for (int key; (key = nextkey(stdin)) != '\n';) {
        if (key == EOF) return line.empty() ? nullptr : strdup(line.c_str());
        if (line.size() < LINE_KEEP) line += static_cast<char>(key);
    }
    return strdup(line.c_str());
}

// The next line typed, or null at the end of the input; a line ended with
// Ctrl-C comes back empty.  The caller frees it.
char* nextline(LineEditor& editor) {
    startline();
    char* line = editor.readline ? editor.readline(PROMPT) : plainline();
    if (line && interrupted) line[0] = 0;
    if (line && line[0] && editor.add_history) {
        editor.add_history(line);
        editor.history.append(line);
    }
    return line;
}

int readterminal() {
    if (!catchinterrupt()) return readerror();
    LineEditor editor = loadeditor();
    for (char* line; (line = nextline(editor)); std::free(line)) {
        if (interrupted) {
            if (!editor.readline) {
                output << '\n';
                output.flush();
            }
            continue;
        }
        if (std::strlen(line) > LINE_KEEP) line[LINE_KEEP] = 0;
        newinput();
        evaluateline(line);
        if (!flushed()) return 2;
    }
    if (failed) return readerror();
    output << '\n';
    output.flush();
    return 0;
}
}  // namespace

int readexpressions() {
    output.flush();
    return isatty(STDIN_FILENO) ? readterminal() : readstream();
}
