// Linked in place of the product's WriteLogPiece, so a test can make the next write fail part-way,
// or hold a run between the log's open and its write (kLogWriteHoldVariable).
#include "failing_log_write.h"

#include "hold.h"
#include "log/log_write.h"
#include "shared_names.h"

namespace {
int g_failAfterBytes = -1;
}

namespace testing_seams {
void FailNextLogWriteAfter(int bytes) { g_failAfterBytes = bytes; }
}  // namespace testing_seams

namespace tavrisk {

bool WriteLogPiece(HANDLE file, std::string_view text) {
    testing_seams::HoldIfAsked(testing_support::kLogWriteHoldVariable);
    DWORD written = 0;
    if (g_failAfterBytes >= 0) {
        const DWORD part = static_cast<DWORD>(g_failAfterBytes) < text.size() ? g_failAfterBytes : text.size();
        g_failAfterBytes = -1;
        WriteFile(file, text.data(), part, &written, nullptr);
        return false;
    }
    return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

}  // namespace tavrisk
