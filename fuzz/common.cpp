#include "common.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

// Never destroyed: the clean-up at exit runs after the static destructors.
const std::string& privatedir() {
    static const std::string* dir = [] {
        auto* path =
            new std::string(std::filesystem::temp_directory_path() / ("phycalc-fuzz-" + std::to_string(getpid())));
        std::filesystem::remove_all(*path);
        std::filesystem::create_directories(*path);
        std::atexit([] { std::filesystem::remove_all(privatedir()); });
        return path;
    }();
    return *dir;
}

void writefile(const std::string& path, std::string_view content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(content.data(), content.size());
}

std::string readfile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string_view> parts(const uint8_t* data, std::size_t size, char separator) {
    std::vector<std::string_view> result;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0;;) {
        std::size_t end = text.find(separator, start);
        result.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return result;
        start = end + 1;
    }
}

Silence::Silence() = default;

Silence::~Silence() = default;
