#include "history.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "core/deffile.h"
#include "core/output.h"
#include "core/strings.h"

namespace {
// The file at path, opened with flags and locked; -1, with why, when it
// cannot be.  A file that another run replaced while this one waited is
// opened anew.
int openlocked(const std::string& path, int flags, std::string& why) {
    struct stat named;
    if (stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) {
        why = "not a regular file";
        return -1;
    }
    for (int attempt = 0; attempt < 10; ++attempt) {
        int fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0600);
        if (fd < 0) {
            why = std::strerror(errno);
            return -1;
        }
        struct stat opened;
        if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            close(fd);
            why = "not a regular file";
            return -1;
        }
        if (flock(fd, LOCK_EX) == 0 && stat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev)
            return fd;
        close(fd);
    }
    why = std::strerror(EBUSY);  // another run keeps replacing it
    return -1;
}

// "2*\\040km" as "2* km": the octal escapes of libedit's history files.
std::string unescaped(std::string_view line) {
    std::string plain;
    for (std::size_t k = 0; k < line.size(); ++k) {
        auto octal = [&](std::size_t at) { return at < line.size() && line[at] >= '0' && line[at] <= '7'; };
        if (line[k] == '\\' && octal(k + 1) && octal(k + 2) && octal(k + 3)) {
            plain += static_cast<char>((line[k + 1] - '0') * 64 + (line[k + 2] - '0') * 8 + (line[k + 3] - '0'));
            k += 3;
        } else {
            plain += line[k];
        }
    }
    return plain;
}

bool writeall(int fd, const std::string& text) {
    return write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}
}  // namespace

void History::trouble(const char* what) {
    if (noted_) return;
    noted_ = true;
    errors << "phycalc: the lines typed are not kept in " << path_ << ": " << what << "\n";
}

std::vector<std::string> History::load(std::size_t keep, std::size_t longest) {
    std::vector<std::string> lines;
    if (path_.empty()) return lines;
    std::string text;
    if (readall(path_.c_str(), text) != DefFile::Status::READ) return lines;
    // A file that libedit wrote (1.1) begins with its mark and writes some
    // characters as \ooo: its lines are read as they were typed.
    static constexpr std::string_view LIBEDIT = "_HiStOrY_V2_\n";
    bool libedit = text.compare(0, LIBEDIT.size(), LIBEDIT) == 0;
    std::size_t count = 0;
    eachline(std::string_view(text).substr(libedit ? LIBEDIT.size() : 0), [&](std::string_view typed) {
        ++count;
        std::string line = libedit ? unescaped(typed) : std::string(typed);
        if (!line.empty() && line.size() <= longest) lines.push_back(line);
    });
    if (lines.size() > keep) lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(keep));
    if (count <= 2 * keep && !libedit) return lines;
    // Cut to the lines kept, as plain lines, under the lock of the appends.
    std::string why;
    int fd = openlocked(path_, O_RDONLY, why);
    if (fd < 0) return lines;
    std::string kept;
    for (const std::string& line : lines) kept += line + "\n";
    replacefile(path_.c_str(), kept, 0600);
    close(fd);
    return lines;
}

void History::append(const std::string& line) {
    if (path_.empty() || noted_) return;
    std::string why;
    int fd = openlocked(path_, O_WRONLY | O_APPEND | O_CREAT, why);
    if (fd < 0) return trouble(why.c_str());
    struct stat before;
    bool sized = fstat(fd, &before) == 0;
    errno = 0;
    if (!writeall(fd, line + "\n")) {
        int error = errno ? errno : ENOSPC;  // a short write leaves errno as it was
        // No part of the line stays behind.
        if (sized && ftruncate(fd, before.st_size) != 0) error = errno;
        trouble(std::strerror(error));
    }
    close(fd);
}
