#include "output.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

constinit Output output(1);
constinit Output errors(2);

void Output::writeon(const char* text, std::size_t size) {
    if (capture_) {
        capture_->append(text, size);
        return;
    }
    spill();
    if (block_ && size <= BLOCK) {
        std::memcpy(block_, text, size);
        held_ = size;
    } else {
        fwrite_unlocked(text, 1, size, file());
    }
}

void Output::spill() {
    if (held_) fwrite_unlocked(block_, 1, held_, file());
    held_ = 0;
}

bool Output::flush() {
    spill();
    return std::fflush(file()) == 0 && !std::ferror(file());
}

void Output::holdblocks() {
    static char block[BLOCK];
    if (block_) return;
    block_ = block;
    std::atexit([] {
        output.flush();
        errors.flush();
    });
}

Captured::Captured(Output& stream) : stream_(stream), saved_(stream.capture_) { stream.capture_ = &text_; }

Captured::~Captured() { stream_.capture_ = saved_; }

bool outputwritten(const char* program) {
    if (output.flush()) return true;
    std::fflush(stdout);  // the write is tried again, so errno tells why
    errors << program << ": cannot write standard output: " << std::strerror(errno) << "\n";
    return false;
}
