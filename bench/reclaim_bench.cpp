// Times the reclaim pass against the least any program can do for the same effect:
// VirtualAlloc, memset and VirtualFree of the same number of bytes.
// Usage: reclaim_bench [RUNS]   prints one table row per clean mode 0, 5 and 9.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "timing.h"

#include "reclaim/reclaim.h"
#include "reclaim/size_table.h"

namespace {

double TimePass(unsigned mode) {
    MEMORYSTATUSEX status;
    const double start = Now();
    tavrisk::ReclaimMemory(mode, status);
    return Now() - start;
}

double TimeReference(unsigned mode) {
    const SIZE_T bytes = tavrisk::ReclaimRequestSize(mode);
    const double start = Now();
    void* block = VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (block) {
        std::memset(block, 0, bytes);
        asm volatile("" : : "r"(block) : "memory");
        VirtualFree(block, 0, MEM_RELEASE);
    }
    return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::printf("| clean mode | bytes | pass median (ms) | reference median (ms) | pass/reference |\n");
    std::printf("|---|---|---|---|---|\n");
    for (unsigned mode : {0u, 5u, 9u}) {
        std::vector<double> pass, reference;
        for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits both alike
            pass.push_back(TimePass(mode));
            reference.push_back(TimeReference(mode));
        }
        const double p = Median(pass), r = Median(reference);
        std::printf("| %u | %lu | %.1f | %.1f | %.2f |\n", mode,
                    static_cast<unsigned long>(tavrisk::ReclaimRequestSize(mode)), p, r, p / r);
    }
    return 0;
}
