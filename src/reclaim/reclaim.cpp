// The reclaim pass: the memory figures before, the fill, the figures after.
#include "reclaim/reclaim.h"

#include <cstring>

#include "reclaim/memory_status.h"
#include "reclaim/size_table.h"
#include "runtime/unique_handle.h"

namespace tavrisk {
namespace {

// Every byte must really be written so the whole block is backed by physical
// memory at once; the barrier keeps the compiler from dropping a fill whose
// result is never read before the block is freed.
void ZeroFill(void* block, SIZE_T bytes) {
    std::memset(block, 0, bytes);
    asm volatile("" : : "r"(block) : "memory");
}

void FillPrivateHeapBlock(SIZE_T request) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    UniqueHeap heap(HeapCreate(0, info.dwPageSize, 0));
    if (!heap) return;
    void* block = HeapAlloc(heap.get(), HEAP_ZERO_MEMORY, request);
    if (!block) return;  // nothing obtained, nothing written
    SIZE_T usable = HeapSize(heap.get(), HEAP_NO_SERIALIZE, block);
    if (usable == static_cast<SIZE_T>(-1)) usable = request;
    ZeroFill(block, usable);
    HeapFree(heap.get(), 0, block);
}

}  // namespace

std::int64_t ReclaimMemory(std::uint32_t cleanMode, MEMORYSTATUSEX& status) {
    HANDLE thread = GetCurrentThread();
    UniqueKernelHandle process(OpenProcess(PROCESS_SET_INFORMATION, FALSE, GetCurrentProcessId()));
    const SIZE_T request = ReclaimRequestSize(cleanMode);

    SetPriorityClass(process.get(), REALTIME_PRIORITY_CLASS);
    SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);

    MEMORYSTATUSEX snapshot;
    ReadMemoryStatus(snapshot);
    const DWORDLONG availBefore = snapshot.ullAvailPhys;

    FillPrivateHeapBlock(request);

    SetThreadPriority(thread, THREAD_PRIORITY_NORMAL);
    SetPriorityClass(process.get(), NORMAL_PRIORITY_CLASS);
    process.reset();

    ReadMemoryStatus(snapshot);
    status = snapshot;
    return static_cast<std::int64_t>(snapshot.ullAvailPhys - availBefore);
}

std::optional<std::uint32_t> ReadMemoryLoad() {
    MEMORYSTATUSEX status;
    if (!ReadMemoryStatus(status)) return std::nullopt;
    return status.dwMemoryLoad;
}

}  // namespace tavrisk
