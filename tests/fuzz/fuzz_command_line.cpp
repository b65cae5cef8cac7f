// Any byte string as a command line: split it, read it as options, read each value as a number.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A process command line holds no zero byte: it ends at the first one.
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::string_view line(bytes, ::strnlen(bytes, size));

    const auto need = tavrisk::SplitCommandLine(line, {}, {});
    if (need.textBytes > line.size() + 1 || need.arguments > line.size()) __builtin_trap();

    // Exact-size heap buffers, so ASan sees any write past them.
    std::vector<char> text(need.textBytes);
    std::vector<const char*> argv(need.arguments + 2);
    argv[0] = "C:\\tavrisk.exe";
    tavrisk::SplitCommandLine(line, text, {argv.data() + 1, need.arguments});

    tavrisk::RunOptions options;
    tavrisk::ParseOptions(static_cast<int>(need.arguments + 1), argv.data(), options);
    (void)tavrisk::ClampCleanMode(options.cleanMode);
    for (std::size_t i = 1; i <= need.arguments; ++i) (void)tavrisk::ParseOptionNumber(argv[i]);
    return 0;
}
