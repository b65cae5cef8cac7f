// Test stand-in for WriteLogPiece: succeeds a given number of times, then writes half a piece and fails.
#pragma once

namespace testing_seams {

// Pieces written whole before the failing one; negative: never fail.
void FailLogWriteAfter(int wholePieces);

}  // namespace testing_seams
