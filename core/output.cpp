#include "output.h"

constinit Output output(1);
constinit Output errors(2);

void Output::write(const char* text, std::size_t size) {
    if (capture_)
        capture_->append(text, size);
    else
        fwrite_unlocked(text, 1, size, file());
}

bool Output::flush() { return std::fflush(file()) == 0 && !std::ferror(file()); }

Captured::Captured(Output& stream)
    : stream_(stream), saved_(stream.capture_), form_(stream.form), precision_(stream.precision) {
    stream.capture_ = &text_;
}

Captured::~Captured() {
    stream_.capture_ = saved_;
    stream_.form = form_;
    stream_.precision = precision_;
}
