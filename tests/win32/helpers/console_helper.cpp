// Test helper, console, no message queue: records its command line (see record.h), then sleeps 8 s and exits 0.
#include <windows.h>

#include "record.h"

int main() {
    AppendCommandLineRecord();
    Sleep(8000);
    return 0;
}
