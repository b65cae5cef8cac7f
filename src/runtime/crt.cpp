// The C library functions that the compiler and the standard headers call, so that the
// program imports no C run-time library.
#include <cstddef>

// The compiler must not turn these loops back into calls of the functions they define.
#define TAVRISK_PLAIN_LOOP __attribute__((optimize("no-tree-loop-distribute-patterns")))

extern "C" {

// One sequential pass with the string instructions, which current processors run at
// full memory speed: the reclaim pass writes every byte of up to 255 MB through here.
void* memset(void* destination, int value, std::size_t bytes) {
    void* out = destination;
    asm volatile("rep stosb" : "+D"(out), "+c"(bytes) : "a"(value) : "memory");
    return destination;
}

void* memcpy(void* destination, const void* source, std::size_t bytes) {
    void* out = destination;
    asm volatile("rep movsb" : "+D"(out), "+S"(source), "+c"(bytes) : : "memory");
    return destination;
}

TAVRISK_PLAIN_LOOP void* memchr(const void* text, int value, std::size_t bytes) {
    const auto* at = static_cast<const unsigned char*>(text);
    for (; bytes > 0; ++at, --bytes)
        if (*at == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(at);
    return nullptr;
}

TAVRISK_PLAIN_LOOP std::size_t strlen(const char* text) {
    const char* end = text;
    while (*end != '\0') ++end;
    return static_cast<std::size_t>(end - text);
}

}  // extern "C"
