// Test stand-in for WriteLogPiece: the next write can be made to stop part-way and fail.
#pragma once

namespace testing_seams {

// The next write puts only its first `bytes` bytes into the file and reports
// failure; negative: writes succeed whole.
void FailNextLogWriteAfter(int bytes);

}  // namespace testing_seams
