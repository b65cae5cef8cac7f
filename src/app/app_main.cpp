// The order of one run: options, confirmation, reclaim pass, log, completion, launch.
#include "app/app_main.h"

#include <windows.h>

#include "app/options.h"
#include "app/prompt.h"
#include "log/cleanup_log.h"
#include "reclaim/reclaim.h"
#include "ui/about.h"
#include "ui/alert.h"
#include "ui/launcher.h"

namespace tavrisk {
namespace {

// The last step of every run that gets past the question: r= is started, and
// its result is the exit code.
int StartRequestedProgram(const RunOptions& options) {
    if (options.program[0] == '\0') return 0;
    return LaunchProgram(nullptr, options.program, nullptr, SW_SHOWNORMAL);
}

}  // namespace

int AppMain(int argc, const char* const* argv) {
    // Without an extension the lookup may add ".dll" and find nothing; a null
    // handle stands for the executable everywhere it is used, so either is fine.
    const HMODULE module = GetModuleHandleA("TAVRISK");

    RunOptions options;
    const ParseResult parsed = ParseOptions(argc, argv, options);
    if (parsed.outcome == ParseOutcome::ShowAbout) return ShowAboutBox(module);
    if (parsed.outcome == ParseOutcome::CommandLineError) {
        ShowAlert(nullptr, MB_OK | MB_ICONEXCLAMATION, "TAVRISK", "Command Line Error !\n%s", parsed.badArgument);
        return ShowAboutBox(module);
    }

    options.cleanMode = ClampCleanMode(options.cleanMode);

    // t=: below the threshold the cleanup is skipped whole, but the program the
    // user asked for is still started.
    if (!ShouldClean(options.memoryLoadThreshold, ReadMemoryLoad())) return StartRequestedProgram(options);

    DWORD stopwatchStart = 0;
    if (options.promptMode == PromptMode::AskAndReport) {
        const Confirmation answer = ConfirmCleanup(options.cleanMode);
        if (!answer.goOn) return -1;
        stopwatchStart = answer.stopwatchStart;
    }

    MEMORYSTATUSEX status;
    const std::int64_t freedBytes = ReclaimMemory(static_cast<std::uint32_t>(options.cleanMode), status);

    char logPath[kPathUtf8Bytes];
    bool logPlaced = false;
    if (options.logEnabled) {
        logPlaced = BuildLogPath(module, logPath);
        if (logPlaced)
            AppendCleanupLog(logPath, options.cleanMode, freedBytes, status.ullAvailPhys, status.ullTotalPhys);
    }

    FinishRun(options, freedBytes, status, logPlaced ? logPath : nullptr, stopwatchStart, module);

    return StartRequestedProgram(options);
}

}  // namespace tavrisk
