// Standard output and standard error as the programs write them: straight to
// the C streams, with no iostreams, so that a start pays for no locale.
#pragma once

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

class Output {
public:
    // 1: standard output, 2: standard error.  Nothing runs at start.
    explicit constexpr Output(int descriptor) : descriptor_(descriptor) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(const char* text, std::size_t size) {
        wrote_ = wrote_ || size > 0;
        if (!capture_ && block_ && held_ + size <= BLOCK) {
            std::memcpy(block_ + held_, text, size);
            held_ += size;
        } else {
            writeon(text, size);
        }
    }
    Output& operator<<(std::string_view text) {
        write(text.data(), text.size());
        return *this;
    }
    Output& operator<<(const char* text) { return *this << std::string_view(text); }
    Output& operator<<(const std::string& text) { return *this << std::string_view(text); }
    Output& operator<<(char c) {
        write(&c, 1);
        return *this;
    }
    template <class Integer>
    requires(std::is_integral_v<Integer> && !std::is_same_v<Integer, char> && !std::is_same_v<Integer, bool>) Output&
    operator<<(Integer number) {
        char text[24];
        auto result = std::to_chars(text, text + sizeof text, number);
        write(text, static_cast<std::size_t>(result.ptr - text));
        return *this;
    }

    // Whether anything was written to it (captured text too).
    bool wrote() const { return wrote_; }

    // Writes out what is buffered; false when any write so far failed.
    bool flush();

    // From now on the text is gathered in a block of 64 KiB and handed on
    // whole: when the block is full, at flush and at exit.  For a file or a
    // pipe, where no one waits for each line.
    void holdblocks();

private:
    friend class Captured;
    std::FILE* file() const { return descriptor_ == 1 ? stdout : stderr; }
    void writeon(const char* text, std::size_t size);
    void spill();
    int descriptor_;
    std::string* capture_ = nullptr;
    static constexpr std::size_t BLOCK = 1 << 16;
    char* block_ = nullptr;  // null while text is not held
    std::size_t held_ = 0;
    bool wrote_ = false;
};

// Writes out standard output; false, with a note on standard error that
// names program, when what was written is lost.
bool outputwritten(const char* program);

extern Output output;  // standard output
extern Output errors;  // standard error, unbuffered

// Collects what is written to one of them while it lasts, instead of writing
// it.
class Captured {
public:
    explicit Captured(Output& stream = output);
    ~Captured();
    Captured(const Captured&) = delete;
    Captured& operator=(const Captured&) = delete;
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    Output& stream_;
    std::string text_;
    std::string* saved_;
};
