// Upper and lower case in the system's ANSI code page, through kernel32 alone.
#pragma once

namespace tavrisk {

// Convert the first `length` characters of `text`, in place, as CharUpperA and
// CharLowerA would, but without loading the window libraries. `bufferSize` is the
// size of the buffer that holds `text`.
void UpperCaseAnsi(char* text, int length, int bufferSize);
void LowerCaseAnsi(char* text, int length, int bufferSize);

}  // namespace tavrisk
