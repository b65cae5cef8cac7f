// The prompt modes: the question before the pass, and pause, sound, report or log viewing after it.
#include "app/prompt.h"

#include "app/report_text.h"
#include "app/thousands.h"
#include "reclaim/kilobytes.h"
#include "resource.h"
#include "ui/alert.h"
#include "ui/launcher.h"
#include "ui/sound.h"

namespace tavrisk {
namespace {

constexpr DWORD kPausePerCleanModeMs = 200;

void ShowReport(std::int64_t freedBytes, const MEMORYSTATUSEX& status, DWORD elapsedMs) {
    char timeText[kThousandsBytes];
    FormatThousands(static_cast<std::int32_t>(elapsedMs), timeText);
    const KilobyteFigures kb = ToKilobytes(freedBytes, status.ullAvailPhys, status.ullTotalPhys);
    ShowAlert(nullptr, MB_OK | MB_ICONINFORMATION, "TAVRISK", kReportFormat, static_cast<long>(kb.freed),
              static_cast<unsigned long>(kb.inUse), static_cast<unsigned long>(kb.total), timeText, kVersionMajor,
              kVersionMinor, kVersionBuild, kCopyrightYear);
}

void OpenLog(const char* logPath) { LaunchProgram(nullptr, logPath, nullptr, SW_SHOWNORMAL); }

}  // namespace

Confirmation ConfirmCleanup(std::int32_t cleanMode) {
    const int answer = ShowAlert(nullptr, MB_YESNO | MB_ICONINFORMATION, "TAVRISK", kConfirmFormat, cleanMode);
    // Read as soon as the box closes: the time the user takes is not reported.
    const DWORD answered = GetTickCount();
    // No stops the run, and so does a question dismissed with Escape or the close
    // box (IDCANCEL; some systems allow that on a Yes/No box): only a real Yes, or
    // no box at all (0), goes on to a real-time pass.
    return {answer != IDNO && answer != IDCANCEL, answered};
}

void FinishRun(const RunOptions& options, std::int64_t freedBytes, const MEMORYSTATUSEX& status, const char* logPath,
               DWORD stopwatchStart, HMODULE module) {
    switch (options.promptMode) {
    case PromptMode::AskAndReport:
        Sleep(kPausePerCleanModeMs * static_cast<DWORD>(options.cleanMode));
        PlaySoundResource(module, IDW_DONE_SOUND, SND_ASYNC);
        ShowReport(freedBytes, status, GetTickCount() - stopwatchStart);
        break;
    case PromptMode::Sound:
        PlaySoundResource(module, IDW_DONE_SOUND, SND_SYNC);
        break;
    case PromptMode::SoundAndOpenLog:
        // The sound belongs to logging being on, even when no log could be placed.
        if (options.logEnabled) {
            PlaySoundResource(module, IDW_DONE_SOUND, SND_SYNC);
            if (logPath) OpenLog(logPath);
        }
        break;
    case PromptMode::OpenLog:
        if (options.logEnabled && logPath) OpenLog(logPath);
        break;
    default:
        break;
    }
}

}  // namespace tavrisk
