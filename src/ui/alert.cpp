// ShowAlert: a private heap per call holds the text buffer, so nested calls stay independent.
#include "ui/alert.h"

#include <cstdarg>

#include "runtime/system_calls.h"
#include "runtime/unique_handle.h"
#include "runtime/utf8_cut.h"
#include "runtime/wide_text.h"

namespace tavrisk {
namespace {

constexpr SIZE_T kTextBufferBytes = 0x8000;
constexpr int kMessageLimit = 1024;  // wvsprintfA's own limit, terminating zero included
constexpr int kCaptionLimit = 512;   // a caption of at most 511 characters and its zero

// The zero-filled text buffer: the message and the caption in UTF-8 as they are
// composed, then each in UTF-16 for the box.
struct AlertText {
    char message[kMessageLimit];
    char caption[kCaptionLimit];
    wchar_t wideMessage[kMessageLimit];
    wchar_t wideCaption[kCaptionLimit];
};
static_assert(sizeof(AlertText) <= kTextBufferBytes);

// Cuts `text` to fewer than `bytes` bytes, between two characters, and converts it.
void Widen(char* text, int bytes, wchar_t* wide) {
    text[bytes - 1] = '\0';
    text[CompleteUtf8Length(text)] = '\0';
    ToUtf16(text, wide, bytes);  // never more units than bytes: it always fits
}

void ChooseCaption(HWND owner, const char* caption, AlertText& text) {
    if (caption && caption[0] != '\0') {
        lstrcpynA(text.caption, caption, kCaptionLimit);  // a longer caption is cut, never overrun
    } else if (owner) {
        user32::GetClassNameW(owner, text.wideCaption, kCaptionLimit);
        return;
    } else {
        lstrcpyA(text.caption, "Alert Box...");
    }
    Widen(text.caption, kCaptionLimit, text.wideCaption);
}

}  // namespace

int ShowAlert(HWND owner, UINT type, const char* caption, const char* format, ...) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    UniqueHeap heap(HeapCreate(0, info.dwPageSize, 0));
    if (!heap) return 0;
    UniqueHeapBlock block(heap.get(), HEAP_ZERO_MEMORY, kTextBufferBytes);
    if (!block) return 0;
    AlertText& text = *static_cast<AlertText*>(block.get());

    va_list args;
    va_start(args, format);
    user32::wvsprintfA(text.message, format, args);
    va_end(args);
    // Some wvsprintfA versions fill all 1,024 bytes without a terminator when the
    // text is cut, and a cut may fall inside a character: the message shown ends
    // at the last whole character of its first 1,023 bytes.
    Widen(text.message, kMessageLimit, text.wideMessage);
    ChooseCaption(owner, caption, text);

    const int answer = user32::MessageBoxW(owner, text.wideMessage, text.wideCaption, type);
    return answer > 0 ? answer : 0;  // Wine answers -1 when it has no display
}

}  // namespace tavrisk
