// Starts a program with a command line read from a UTF-8 file (CreateProcessW), waits, passes on its exit code.
// Usage: tavrisk_launch PROGRAM LINE-FILE
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavrisk_launch PROGRAM LINE-FILE\n");
        return 125;
    }
    HANDLE file = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "tavrisk_launch: cannot read %s\n", argv[2]);
        return 125;
    }
    std::string line;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) line.append(buffer, got);
    CloseHandle(file);

    std::wstring wideLine(line.size() + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wideLine.data(),
                        static_cast<int>(wideLine.size()));
    std::wstring program(MAX_PATH, L'\0');
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, program.data(), MAX_PATH);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), wideLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        std::fprintf(stderr, "tavrisk_launch: cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 125;
    }
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    std::printf("exit code %ld\n", static_cast<long>(code));
    return static_cast<int>(code);
}
