// ShowAlert in this process, answered from a second thread through the UI-automation helper.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "uia.h"
#include "ui/alert.h"

namespace {

using namespace testing_support;

struct Seen {
    std::string text;
    bool found = false;
};

// Waits for this process's box captioned `caption`, records its text and presses `button`.
std::thread Answer(const std::string& caption, int button, Seen& seen) {
    return std::thread([caption, button, &seen] {
        HWND box = WaitForBox(GetCurrentProcessId(), caption);
        if (!box) return;
        seen.found = true;
        seen.text = BoxText(box);
        PressButton(box, button);
    });
}

TEST(ShowAlert, FormatsTheTextAndReturnsTheButton) {
    Seen seen;
    auto answer = Answer("TAVRISK", IDOK, seen);
    int result = tavrisk::ShowAlert(nullptr, MB_OK | MB_ICONEXCLAMATION, "TAVRISK", "Command Line Error !\n%s", "x=1");
    answer.join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, "Command Line Error !\nx=1");
    EXPECT_EQ(result, IDOK);

    for (int button : {IDYES, IDNO}) {
        Seen asked;
        answer = Answer("Question", button, asked);
        result = tavrisk::ShowAlert(nullptr, MB_YESNO | MB_ICONINFORMATION, "Question", "Clean Mode = %d", 9);
        answer.join();
        EXPECT_EQ(asked.text, "Clean Mode = 9");
        EXPECT_EQ(result, button);
    }
}

TEST(ShowAlert, CutsTheMessageAt1023Characters) {
    const std::string longText(3000, 'a');
    Seen seen;
    auto answer = Answer("Long", IDOK, seen);
    tavrisk::ShowAlert(nullptr, MB_OK, "Long", "%s|%s", longText.c_str(), "tail");
    answer.join();
    EXPECT_EQ(seen.text, std::string(1023, 'a'));

    Seen exact;
    answer = Answer("Exact", IDOK, exact);
    tavrisk::ShowAlert(nullptr, MB_OK, "Exact", "%s", std::string(1023, 'b').c_str());
    answer.join();
    EXPECT_EQ(exact.text, std::string(1023, 'b'));

    // The cap counts bytes of UTF-8: a character that does not fit whole goes whole.
    std::string japanese;
    for (int i = 0; i < 400; ++i) japanese += "\u65e5";
    const struct {
        std::string text;
        std::string shown;
    } rows[] = {
        {std::string(1022, 'c') + "\u65e5", std::string(1022, 'c')},                   // 1 of 3 bytes fits
        {std::string(1021, 'c') + "\U0001F9F9", std::string(1021, 'c')},               // 2 of 4
        {std::string(1020, 'c') + "\u03a9\u03a9", std::string(1020, 'c') + "\u03a9"},  // 1 of 2
        {japanese, japanese.substr(0, 341 * 3)},                                       // 1,023 bytes exactly
    };
    for (const auto& row : rows) {
        Seen cut;
        answer = Answer("Cut \u65e5", IDOK, cut);
        tavrisk::ShowAlert(nullptr, MB_OK, "Cut \u65e5", "%s", row.text.c_str());
        answer.join();
        EXPECT_TRUE(cut.found) << "the caption did not arrive as given";
        EXPECT_EQ(cut.text, row.shown);
    }
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(ShowAlert, ChoosesTheCaption) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = OwnerProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "TavriskTestOwner";
    RegisterClassA(&cls);
    HWND owner = CreateWindowA("TavriskTestOwner", "owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                               cls.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);

    const struct {
        HWND owner;
        const char* caption;
        const char* shown;
    } rows[] = {
        {nullptr, "", "Alert Box..."},        {nullptr, nullptr, "Alert Box..."}, {owner, "", "TavriskTestOwner"},
        {owner, nullptr, "TavriskTestOwner"}, {owner, "Given", "Given"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        Seen seen;
        auto answer = Answer(row.shown, IDOK, seen);
        EXPECT_EQ(tavrisk::ShowAlert(row.owner, MB_OK, row.caption, "caption test"), IDOK);
        answer.join();
        EXPECT_TRUE(seen.found);
    }

    // A caption longer than the 511 characters the box can hold is cut, not overrun.
    const std::string longCaption(700, 'c');
    Seen seen;
    auto answer = Answer(std::string(511, 'c'), IDOK, seen);
    EXPECT_EQ(tavrisk::ShowAlert(nullptr, MB_OK, longCaption.c_str(), "long caption"), IDOK);
    answer.join();
    EXPECT_TRUE(seen.found);
    DestroyWindow(owner);
}

}  // namespace
