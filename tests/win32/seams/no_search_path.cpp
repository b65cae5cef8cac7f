// Linked in place of the product's SearchSystemFolderOnly: a system without SetDefaultDllDirectories
// (XP, Vista and 7 without the loader update), where only the preloaded libraries protect the process.
#include "runtime/library_search.h"

namespace tavrisk {

bool SearchSystemFolderOnly() { return false; }

}  // namespace tavrisk
