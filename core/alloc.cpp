// Every allocation of the program comes from malloc; running out of memory
// ends the process, since no caller has a way to go on without its block.
// All forms of the global operators are replaced together, so that a block is
// always released by the routine that matches the one that gave it.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "output.h"

namespace {
[[noreturn]] void outofmemory() {
    std::fputs("Couldn't allocate memory ! (in overloaded global new)\n", stderr);
    std::fputs("Try to reduce memory consumption , remove some applications or try a difrent comuter\n", stderr);
    output.flush();
    std::_Exit(2);
}

void* trymalloc(std::size_t size) noexcept { return std::malloc(size ? size : 1); }

void* tryaligned(std::size_t size, std::align_val_t alignment) noexcept {
    void* block = nullptr;
    std::size_t align = static_cast<std::size_t>(alignment);
    if (align < sizeof(void*)) align = sizeof(void*);
    return posix_memalign(&block, align, size ? size : 1) == 0 ? block : nullptr;
}

void* allocate(std::size_t size) {
    void* block = trymalloc(size);
    if (!block) outofmemory();
    return block;
}

void* allocatealigned(std::size_t size, std::align_val_t alignment) {
    void* block = tryaligned(size, alignment);
    if (!block) outofmemory();
    return block;
}
}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return trymalloc(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return trymalloc(size); }
void* operator new(std::size_t size, std::align_val_t a) { return allocatealigned(size, a); }
void* operator new[](std::size_t size, std::align_val_t a) { return allocatealigned(size, a); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept { return tryaligned(size, a); }
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return tryaligned(size, a);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }
