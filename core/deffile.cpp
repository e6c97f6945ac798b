#include "deffile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// The whitespace that the formatted reading of a stream skips.
bool iswhitespace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads from fd into content until the end of the file or limit bytes.
void readupto(int fd, std::size_t limit, std::string& content) {
    content.resize(limit);
    std::size_t filled = 0;
    for (ssize_t got; filled < limit; filled += static_cast<std::size_t>(got))
        if ((got = read(fd, content.data() + filled, limit - filled)) <= 0) break;
    content.resize(filled);
}
}  // namespace

DefFile::Status readall(const char* path, std::string& content) {
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return DefFile::Status::MISSING;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return DefFile::Status::MISSING;
    }
    if (static_cast<unsigned long long>(info.st_size) > DEFFILE_MAX) {
        close(fd);
        return DefFile::Status::TOO_LARGE;
    }
    readupto(fd, static_cast<std::size_t>(info.st_size), content);  // less if it shrank meanwhile
    close(fd);
    return DefFile::Status::READ;
}

bool replacefile(const char* path, std::string_view text, unsigned mode) {
    std::string partial = std::string(path) + ".partial";
    int fd = open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    bool written = fd >= 0;
    for (std::size_t done = 0; written && done < text.size();) {
        ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote == 0) errno = ENOSPC;
        written = wrote > 0;
        if (written) done += static_cast<std::size_t>(wrote);
    }
    int error = errno;
    if (fd >= 0 && close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && rename(partial.c_str(), path) == 0) return true;
    if (written) error = errno;
    unlink(partial.c_str());
    errno = error;
    return false;
}

bool readhead(const char* path, std::string& head) {
    head.clear();
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);  // a writer that is there is waited for
    // The size of a regular file bounds the buffer; only what is not one may
    // run on up to the bound.
    struct stat info;
    bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    std::size_t size = regular ? static_cast<std::size_t>(info.st_size) : WORDS_FILE_MAX;
    readupto(fd, std::min(size, WORDS_FILE_MAX), head);
    close(fd);
    return true;
}

DefFile::DefFile(const char* path) {
    status_ = readall(path, content_);
    if (status_ != Status::READ) return;
    content_.erase(std::remove_if(content_.begin(), content_.end(), iswhitespace), content_.end());
    std::string_view text = content_;
    for (std::size_t hash = text.find('#'); hash != std::string_view::npos;) {
        std::size_t next = text.find('#', hash + 1);
        entries_.push_back(text.substr(hash + 1, next == std::string_view::npos ? next : next - hash - 1));
        hash = next;
    }
}

std::string DefFile::toolarge(const char* path) {
    return std::string("definition file larger than 64 MiB, not read: ") + path + "\n";
}

bool defines(std::string_view entry, std::string_view name) {
    return entry.size() > name.size() && entry.substr(0, name.size()) == name && entry[name.size()] == '=';
}

// The longest word the working text of an expression can hold.
constexpr std::size_t NAME_MAX_LENGTH = 999;

bool findablename(const char* name) {
    if (!std::isalpha(static_cast<unsigned char>(name[0]))) return false;
    if (std::strlen(name) > NAME_MAX_LENGTH) return false;
    for (const char* p = name; *p; ++p)
        if (std::isspace(static_cast<unsigned char>(*p)) || std::strchr("#=_$+-*/^!(){}%", *p)) return false;
    return true;
}
