// The program's main routine: reads the options and runs at most one cleanup.
#pragma once

namespace tavrisk {

// argv[0] is the executable's path and argv[argc] is null. Returns the exit code.
int AppMain(int argc, const char* const* argv);

}  // namespace tavrisk
