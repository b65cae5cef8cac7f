// Uncopyable owners for kernel handles, files, private heaps and started processes.
#pragma once

#include <windows.h>

namespace tavrisk {

// Owns one value of Traits::Type and releases it once, on reset or destruction.
template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type value) : value_(value) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }

    void reset(Type value = Traits::Invalid()) {
        if (value_ != Traits::Invalid()) Traits::Close(value_);
        value_ = value;
    }
    Type release() {
        Type value = value_;
        value_ = Traits::Invalid();
        return value;
    }

private:
    Type value_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { CloseHandle(handle); }
};

// CreateFile reports failure as INVALID_HANDLE_VALUE rather than null.
struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { CloseHandle(handle); }
};

struct HeapTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type heap) { HeapDestroy(heap); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueHeap = UniqueHandle<HeapTraits>;

// One block of a heap, freed before the heap that holds it is destroyed:
// declare it after the UniqueHeap it comes from.
class UniqueHeapBlock {
public:
    UniqueHeapBlock(HANDLE heap, DWORD flags, SIZE_T bytes)
        : heap_(heap), block_(heap ? HeapAlloc(heap, flags, bytes) : nullptr) {}
    ~UniqueHeapBlock() {
        if (block_) HeapFree(heap_, 0, block_);
    }
    UniqueHeapBlock(const UniqueHeapBlock&) = delete;
    UniqueHeapBlock& operator=(const UniqueHeapBlock&) = delete;

    void* get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }

private:
    HANDLE heap_;
    void* block_;
};

// The two handles that CreateProcess hands back: the process's first, then its thread's.
class UniqueProcessInformation {
public:
    UniqueProcessInformation() = default;
    ~UniqueProcessInformation() {
        if (info_.hProcess) CloseHandle(info_.hProcess);
        if (info_.hThread) CloseHandle(info_.hThread);
    }
    UniqueProcessInformation(const UniqueProcessInformation&) = delete;
    UniqueProcessInformation& operator=(const UniqueProcessInformation&) = delete;

    PROCESS_INFORMATION* out() { return &info_; }
    const PROCESS_INFORMATION& get() const { return info_; }

private:
    PROCESS_INFORMATION info_ = {};
};

}  // namespace tavrisk
