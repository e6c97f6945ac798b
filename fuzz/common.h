// Shared pieces of the fuzz targets: a private directory, files written from
// the input, and the input cut into parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/output.h"

// A directory of this process's own, made once; the targets work inside it.
const std::string& privatedir();

// Writes content to path, replacing the file.
void writefile(const std::string& path, std::string_view content);
std::string readfile(const std::string& path);

// The input cut at every separator byte.
std::vector<std::string_view> parts(const uint8_t* data, std::size_t size, char separator);

// Standard output and standard error go nowhere while the object lives.
class Silence {
public:
    Silence();
    ~Silence();
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

private:
    Captured out_{output};
    Captured err_{errors};
};
