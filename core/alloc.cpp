// Every allocation of the program comes from malloc; running out of memory
// ends the process, since no caller has a way to go on without its block.
#include <cstdio>
#include <cstdlib>
#include <new>

static void* allocate(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) {
        std::fputs("Couldn't allocate memory ! (in overloaded global new)\n", stderr);
        std::fputs("Try to reduce memory consumption , remove some applications or try a difrent comuter\n", stderr);
        std::fflush(stdout);
        std::_Exit(2);
    }
    return block;
}

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
