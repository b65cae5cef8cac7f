// ShowAlert: a private heap per call holds the text buffer, so nested calls stay independent.
#include "ui/alert.h"

#include <cstdarg>

#include "runtime/system_calls.h"
#include "runtime/unique_handle.h"

namespace tavrisk {
namespace {

constexpr SIZE_T kTextBufferBytes = 0x8000;
constexpr int kMessageLimit = 1024;  // wvsprintfA's own limit, terminating zero included
constexpr int kCaptionBytes = 512;

void ChooseCaption(HWND owner, const char* caption, char (&chosen)[kCaptionBytes]) {
    if (caption && lstrlenA(caption) > 0) {
        lstrcpynA(chosen, caption, kCaptionBytes);  // a longer caption is cut, never overrun
    } else if (owner) {
        chosen[0] = '\0';
        user32::GetClassNameA(owner, chosen, kCaptionBytes);
    } else {
        lstrcpyA(chosen, "Alert Box...");
    }
}

}  // namespace

int ShowAlert(HWND owner, UINT type, const char* caption, const char* format, ...) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    UniqueHeap heap(HeapCreate(0, info.dwPageSize, 0));
    if (!heap) return 0;
    UniqueHeapBlock text(heap.get(), HEAP_ZERO_MEMORY, kTextBufferBytes);
    if (!text) return 0;

    char* message = static_cast<char*>(text.get());
    va_list args;
    va_start(args, format);
    user32::wvsprintfA(message, format, args);
    va_end(args);
    // Some wvsprintfA versions fill all 1,024 bytes without a terminator when
    // the text is cut; the message never shows more than 1,023 characters.
    message[kMessageLimit - 1] = '\0';

    char chosen[kCaptionBytes];
    ChooseCaption(owner, caption, chosen);

    const int answer = user32::MessageBoxA(owner, message, chosen, type);
    return answer > 0 ? answer : 0;  // Wine answers -1 when it has no display
}

}  // namespace tavrisk
