// The lines typed at the prompt, kept between runs in a file of plain lines,
// one a line.  Each line typed is appended in one locked write, so that two
// sessions that share the file keep both their lines, and a full disk cuts no
// line; the file is brought back to its last lines when it has grown.
#pragma once

#include <string>
#include <vector>

class History {
public:
    // path "" keeps nothing.
    explicit History(std::string path) : path_(std::move(path)) {}

    // The last `keep` lines of the file; a file of more than twice as many is
    // cut to them.  Lines longer than longest are passed over.
    std::vector<std::string> load(std::size_t keep, std::size_t longest);

    // Appends line; the first failure is named on standard error, once.
    void append(const std::string& line);

private:
    void trouble(const char* what);
    std::string path_;
    bool noted_ = false;
};
