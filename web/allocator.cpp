// The page's malloc and free, in place of the C library's (-sMALLOC=none): blocks of a power of
// two bytes, each kind kept on a list of its own once freed and handed out again from there.
// The game's memory is a few megabytes at most (the instructions page's outlines the largest),
// so a block's rounding up costs nothing that matters (the module starts with 16 MB), and the
// whole is a fraction of emmalloc's 1.8 KB of code (0.8 KB gzipped).
#include <cstddef>
#include <cstdint>

extern "C" {
extern unsigned char __heap_base; // where the linker leaves the memory to the heap
// The memory grew: the page takes new views of it (module.js).
void emscripten_notify_memory_growth(std::size_t memory);
}

namespace {

constexpr std::size_t header = 16; // before each block's bytes: its size's power of two
constexpr int largest = 30;        // a block of 1 GB at most
constexpr std::size_t pageBytes = 65536;

void* freed[largest + 1]; // each size's freed blocks, a list through their first bytes
std::uintptr_t end = 0;   // of the heap handed out so far

// Bytes past the heap's end, growing the memory when they go past it (the page then takes new
// views of it); none where the memory cannot grow.
unsigned char* Claim(std::size_t bytes) {
    if (end == 0) end = (reinterpret_cast<std::uintptr_t>(&__heap_base) + 15) & ~std::uintptr_t{15};
    const std::uintptr_t size = __builtin_wasm_memory_size(0) * pageBytes;
    if (bytes > SIZE_MAX - end) return nullptr;
    if (end + bytes > size) {
        const std::size_t pages = (end + bytes - size + pageBytes - 1) / pageBytes;
        if (__builtin_wasm_memory_grow(0, pages) == SIZE_MAX) return nullptr;
        emscripten_notify_memory_growth(0);
    }
    auto* at = reinterpret_cast<unsigned char*>(end);
    end += bytes;
    return at;
}

} // namespace

extern "C" {

// Aligned on 16 bytes, as every block of the heap is, each at least 32 bytes long.
void* malloc(std::size_t n) {
    int power = 5;
    while (power <= largest && (std::size_t{1} << power) - header < n) ++power;
    if (power > largest) return nullptr;
    if (void* block = freed[power]) {
        freed[power] = *static_cast<void**>(block);
        return block;
    }
    unsigned char* block = Claim(std::size_t{1} << power);
    if (!block) return nullptr;
    *reinterpret_cast<std::uint32_t*>(block) = static_cast<std::uint32_t>(power);
    return block + header;
}

void free(void* p) {
    if (!p) return;
    const auto power = *reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(p) - header);
    *static_cast<void**>(p) = freed[power];
    freed[power] = p;
}

// The page itself never asks for it; the tests' C library does (web/core_tests.cmake).
void* realloc(void* p, std::size_t n) {
    if (!p) return malloc(n);
    const auto power = *reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(p) - header);
    const std::size_t room = (std::size_t{1} << power) - header;
    if (n <= room) return p;
    void* moved = malloc(n);
    if (moved) {
        __builtin_memcpy(moved, p, room);
        free(p);
    }
    return moved;
}

} // extern "C"
