// The C library functions that the standard headers call, so that the program imports no
// C run-time library: memchr (std::string_view::find, in command-line splitting) and strlen
// (a std::string_view made from a C string, in the log). There is no memset or memcpy: at
// -Os GCC expands each of them inline (rep stosb or rep movsb, or plain moves for small
// known sizes), the reclaim pass's fill included, so should one ever become a call, the
// link fails on the missing symbol instead of running a slower copy.
#include <cstddef>

// The compiler must not turn these loops back into calls of the functions they define.
#define TAVRISK_PLAIN_LOOP __attribute__((optimize("no-tree-loop-distribute-patterns")))

extern "C" {

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
