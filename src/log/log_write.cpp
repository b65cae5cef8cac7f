// WriteLogPiece over WriteFile, with a short write counted as a failure.
#include "log/log_write.h"

namespace tavrisk {

bool WriteLogPiece(HANDLE file, std::string_view text) {
    DWORD written = 0;
    const DWORD length = static_cast<DWORD>(text.size());
    return WriteFile(file, text.data(), length, &written, nullptr) && written == length;
}

}  // namespace tavrisk
