// Linked in place of the product's WriteLogPiece, so a test can make the Nth write fail part-way.
#include "failing_log_write.h"

#include "log/log_write.h"

namespace {
int g_wholePiecesLeft = -1;
}

namespace testing_seams {
void FailLogWriteAfter(int wholePieces) { g_wholePiecesLeft = wholePieces; }
}  // namespace testing_seams

namespace tavrisk {

bool WriteLogPiece(HANDLE file, std::string_view text) {
    DWORD written = 0;
    if (g_wholePiecesLeft == 0) {
        g_wholePiecesLeft = -1;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size() / 2), &written, nullptr);
        return false;
    }
    if (g_wholePiecesLeft > 0) --g_wholePiecesLeft;
    return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

}  // namespace tavrisk
