// Linked in place of the product's LogWaitPause: a pause for a held log first holds where the
// test can see it (kLogWaitHoldVariable), then sleeps as usual (tests only).
#include "hold.h"
#include "log/log_wait.h"
#include "shared_names.h"

namespace tavrisk {

void LogWaitPause(std::uint32_t ms) {
    testing_seams::HoldIfAsked(testing_support::kLogWaitHoldVariable);
    Sleep(ms);
}

}  // namespace tavrisk
