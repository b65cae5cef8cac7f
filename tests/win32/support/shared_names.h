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

// The class of the window the GUI helper shows while it runs.
inline constexpr char kGuiHelperWindowClass[] = "TavriskTestGuiHelper";

}  // namespace testing_support
