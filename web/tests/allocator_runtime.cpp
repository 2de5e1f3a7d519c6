// What Emscripten's runtime in JavaScript, which the tests run under in Node, asks of a C
// library's malloc besides malloc and free: the page's allocator (web/allocator.cpp) under those
// names too. The page's own module runs without that runtime, and asks for none of them.
#include <cstdlib>

extern "C" {
void* __libc_malloc(std::size_t n) {
    return std::malloc(n);
}
void __libc_free(void* p) {
    std::free(p);
}
void* emscripten_builtin_malloc(std::size_t n) {
    return std::malloc(n);
}
void emscripten_builtin_free(void* p) {
    std::free(p);
}
}
