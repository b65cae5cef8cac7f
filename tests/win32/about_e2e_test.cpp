// tavrisk.exe as a child: the about box's place, texts and icon, and each way of closing it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "child.h"
#include "records.h"
#include "resource.h"
#include "uia.h"

namespace {

using namespace testing_support;

const std::string kAboutCaption = "TAVRISK - RAM Cleaner";

Child StartTavrisk(const std::string& arguments, const std::string& exe = TavriskExe()) {
    return Child(exe, "tavrisk " + arguments);
}

// Gives the resources of type `from` the type `to` in a PE image, in place: an
// entry of the resource section's root directory renamed. The entries stay
// sorted when no type present lies between the two.
bool RenameResourceType(std::string& image, WORD from, WORD to) {
    auto read = [&](size_t offset, size_t size) {
        DWORD value = 0;
        if (offset + size <= image.size()) std::memcpy(&value, image.data() + offset, size);
        return value;
    };
    const size_t nt = read(0x3C, 4);
    if (read(nt, 4) != IMAGE_NT_SIGNATURE) return false;
    const size_t fileHeader = nt + 4;
    const size_t optionalHeader = fileHeader + sizeof(IMAGE_FILE_HEADER);
    const DWORD resourceRva = read(optionalHeader + offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory) +
                                       IMAGE_DIRECTORY_ENTRY_RESOURCE * sizeof(IMAGE_DATA_DIRECTORY),
                                   4);
    const size_t sections = optionalHeader + read(fileHeader + offsetof(IMAGE_FILE_HEADER, SizeOfOptionalHeader), 2);
    const DWORD sectionCount = read(fileHeader + offsetof(IMAGE_FILE_HEADER, NumberOfSections), 2);
    for (DWORD index = 0; index < sectionCount; ++index) {
        const size_t section = sections + index * sizeof(IMAGE_SECTION_HEADER);
        const DWORD rva = read(section + offsetof(IMAGE_SECTION_HEADER, VirtualAddress), 4);
        const DWORD size = read(section + offsetof(IMAGE_SECTION_HEADER, Misc.VirtualSize), 4);
        if (resourceRva < rva || resourceRva >= rva + size) continue;
        const size_t root = read(section + offsetof(IMAGE_SECTION_HEADER, PointerToRawData), 4) + (resourceRva - rva);
        const DWORD entries = read(root + 12, 2) + read(root + 14, 2);
        for (DWORD entry = 0; entry < entries; ++entry) {
            const size_t id = root + 16 + entry * 8;
            if (id + 4 > image.size() || read(id, 4) != from) continue;
            const DWORD renamed = to;
            std::memcpy(image.data() + id, &renamed, 4);
            return true;
        }
    }
    return false;
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

// Whether OK has the focus is the dialog procedure's answer to WM_INITDIALOG, checked in
// about_resources_tests: Wine focuses the only tab stop whatever the answer.
TEST(AboutBox, OpensWithItsTextsIconAndSound) {
    // The build whose sound seam records what is handed to the multimedia system.
    Sandbox sandbox("about-opens", "tavrisk.exe", SoundSeamExe());
    const std::string sounds = sandbox.Path("sounds.txt");
    SetEnvironmentVariableA(kSoundRecordVariable, sounds.c_str());
    Child child = StartTavrisk("/?", sandbox.exe);
    SetEnvironmentVariableA(kSoundRecordVariable, nullptr);
    HWND box = WaitForBox(child.pid(), kAboutCaption);
    ASSERT_NE(box, nullptr);
    // The opening sound (resource 120, 22,688 bytes), started before the box shows and left to play.
    const std::vector<std::string> played = ReadRecords(sounds);
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].rfind("sound flags=0x17 size=22688 ", 0), 0u) << played[0];

    const std::string about = BoxText(box, IDC_ABOUT_TITLE);
    EXPECT_EQ(about.substr(0, about.find("\r\n")), "Tavrisk for Windows version 1.4.51") << about;
    const size_t notice = about.find("\r\n") + 2;
    EXPECT_NE(about.find("1998", notice), std::string::npos) << about;
    EXPECT_TRUE(about.ends_with("\r\n"));
    int lineEnds = 0;
    for (size_t at = about.find("\r\n"); at != std::string::npos; at = about.find("\r\n", at + 2)) ++lineEnds;
    EXPECT_EQ(lineEnds, 3) << about;

    EXPECT_EQ(BoxText(box, IDC_ABOUT_USAGE),
              Lines({"Usage:", "  TAVRISK [options]", "", "Options:", "    Generate a Log-File:", "        /log",
                     "    Clean method:", "        v=[ 0 | 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 | 9 ]   -   (quiet to strong)",
                     "    Prompt:", "        p=[ 0 | 1 | 2 ]   -   (default p=0)",
                     "    Execute a program after cleanup:", "        r=\"program name\"   -   (quote delimited path)",
                     "", "Example:", "    TAVRISK p=1 v=5 r=\"C:\\QVT\\Dravenholt.exe\""}));

    // The icon control is the second child, after the frame.
    HWND icon = GetWindow(GetWindow(box, GW_CHILD), GW_HWNDNEXT);
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0) << "icon group 1 is not shown";

    PressButton(box, IDOK);
    EXPECT_EQ(child.Wait(), 1u);
}

// Run on a display of its own (wide_display_test.sh), so wide that a box centred with the
// wrong screen dimension would be pulled far to the left to stay on it.
TEST(AboutBox, IsCentredOnTheWholeScreen) {
    Child child = StartTavrisk("");
    HWND box = WaitForBox(child.pid(), kAboutCaption);
    ASSERT_NE(box, nullptr);
    RECT rect = {};
    GetWindowRect(box, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    const int screenWidth = GetDeviceCaps(screen, HORZRES), screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    ASSERT_GT((screenWidth + width) / 2, screenHeight) << "not the wide display this test needs";
    EXPECT_NEAR(rect.left, (screenWidth - width) / 2, 3);
    EXPECT_NEAR(rect.top, (screenHeight - height) / 2, 3);
    PressButton(box, IDOK);
    EXPECT_EQ(child.Wait(), 1u);
}

TEST(AboutBox, OkAndEnterGiveOneEscapeAndTheCloseBoxGiveTwo) {
    const struct {
        const char* arguments;
        const char* how;
        DWORD exitCode;
    } rows[] = {
        {"", "OK", 1}, {"/?x", "Enter", 1}, {"-?", "Escape", 2}, {"   ", "WM_CLOSE", 2}, {"/?", "SC_CLOSE", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "'" << row.arguments << "', " << row.how);
        Child child = StartTavrisk(row.arguments);
        HWND box = WaitForBox(child.pid(), kAboutCaption);
        ASSERT_NE(box, nullptr);
        const std::string how = row.how;
        if (how == "OK") PressButton(box, IDOK);
        if (how == "Enter") PressKey(box, VK_RETURN);
        if (how == "Escape") PressKey(box, VK_ESCAPE);
        if (how == "WM_CLOSE") PostMessageA(box, WM_CLOSE, 0, 0);
        if (how == "SC_CLOSE") PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(child.Wait(), row.exitCode);
    }
}

TEST(AboutBox, OnlyCommandsOneAndTwoCloseItWhateverTheirHighWord) {
    const struct {
        WORD id;
        DWORD exitCode;
    } closers[] = {{IDOK, 1}, {IDCANCEL, 2}};
    for (const auto& closer : closers) {
        Child child = StartTavrisk("");
        HWND box = WaitForBox(child.pid(), kAboutCaption);
        ASSERT_NE(box, nullptr);
        PostCommand(box, 3, 0);
        PostCommand(box, 0, 0);
        PostCommand(box, 0x1234, 0);
        PostCommand(box, 0x0101, 0);  // 257: only its low byte is 1
        EXPECT_FALSE(WaitGone(box, 500)) << "the box closed on a command other than 1 or 2";
        PostCommand(box, closer.id, 0xABCD);
        EXPECT_EQ(child.Wait(), closer.exitCode);
    }
}

TEST(AboutBox, HelpShowsTheBoxAndNothingElse) {
    Sandbox sandbox("about-help");
    for (const char* arguments : {"/log /?", "/log v=3 -? x"}) {
        SCOPED_TRACE(arguments);
        Child child = StartTavrisk(arguments, sandbox.exe);
        // An error box for the x would come first and hold the about box back.
        HWND box = WaitForAnyBox(child.pid());
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(WindowText(box), kAboutCaption) << "the x after the help option was reported";
        PressButton(box, IDCANCEL);
        EXPECT_EQ(child.Wait(), 2u);
    }
    EXPECT_FALSE(FileExists(sandbox.Path("Tavrisk.log"))) << "a cleanup was logged";
}

TEST(AboutBox, FollowsTheCommandLineErrorAndGivesItsResult) {
    Child child = StartTavrisk("x=1");
    HWND error = WaitForAnyBox(child.pid());
    ASSERT_NE(error, nullptr);
    ASSERT_EQ(WindowText(error), "TAVRISK") << "the about box came before the error";
    PressButton(error, IDOK);
    HWND box = WaitForBox(child.pid(), kAboutCaption);
    ASSERT_NE(box, nullptr);
    PressKey(box, VK_ESCAPE);
    EXPECT_EQ(child.Wait(), 2u);
}

// Without its dialog template the box cannot be created: the run ends with -1.
TEST(AboutBox, MissingTemplateGivesMinusOne) {
    Sandbox sandbox("about-missing");
    std::string exe = ReadBytes(sandbox.exe);
    ASSERT_TRUE(RenameResourceType(exe, 5 /* RT_DIALOG */, 4 /* RT_MENU */));
    WriteBytes(sandbox.exe, exe);

    Child child = StartTavrisk("/?", sandbox.exe);
    EXPECT_TRUE(NoBoxFor(child.pid(), 300));
    EXPECT_EQ(child.Wait(), static_cast<DWORD>(-1));
}

}  // namespace
