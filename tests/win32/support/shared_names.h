// Names the tests share with the programs they start: where records go, and the GUI helper's window class.
#pragma once

namespace testing_support {

// The helpers append their command line to the file this variable names; a test
// sets it in its own environment, which tavrisk.exe and whatever it starts inherit.
inline constexpr char kRecordFileVariable[] = "TAVRISK_RECORD_FILE";

// The sound seam appends what PlayWaveImage was handed to the file this variable names.
inline constexpr char kSoundRecordVariable[] = "TAVRISK_SOUND_RECORD";

// The box seam appends the type flags and caption of every message box to the file this variable names.
inline constexpr char kBoxRecordVariable[] = "TAVRISK_BOX_RECORD";

// The shell seam appends each file handed to the shell to the file this variable names.
inline constexpr char kShellRecordVariable[] = "TAVRISK_SHELL_RECORD";

// The memory-status seam answers from the script this variable holds: one snapshot a call,
// "load,available,total" (percent, bytes, bytes), separated by blanks; the last one repeats.
inline constexpr char kMemoryScriptVariable[] = "TAVRISK_MEMORY_SCRIPT";

// Each names an event pair, "<name>-held" and "<name>-go": the log-write seam, between the
// log's open and its write, and the log-wait seam, at a pause for a held log, set the first
// and wait for the second.
inline constexpr char kLogWriteHoldVariable[] = "TAVRISK_LOG_WRITE_HOLD";
inline constexpr char kLogWaitHoldVariable[] = "TAVRISK_LOG_WAIT_HOLD";

// The class of the window the GUI helper shows while it runs.
inline constexpr char kGuiHelperWindowClass[] = "TavriskTestGuiHelper";

}  // namespace testing_support
