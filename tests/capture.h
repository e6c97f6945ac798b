// Helpers for tests that evaluate expressions in-process.
#pragma once

#include <string>
#include <vector>

// Standard output written while evaluating expr with handlestr.
std::string evaluated(const char* expr);

// The list that the front end and the priority pass make of expr, as
// "text:prio" for commands and the value for numbers.
std::vector<std::string> listof(const char* expr);

// A file in the test's temporary directory holding content; removed on destruction.
class TempFile {
public:
    explicit TempFile(const std::string& content);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const char* path() const { return path_.c_str(); }
    void append(const std::string& content) const;

private:
    std::string path_;
};
