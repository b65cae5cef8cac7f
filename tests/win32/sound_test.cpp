// PlaySoundResource against the built executable's own sound resources, observed through the sound seam.
#include <gtest/gtest.h>

#include <cstdio>

#include "child.h"
#include "resource.h"
#include "runtime/system_calls.h"
#include "shared_names.h"
#include "ui/sound.h"

namespace {

using namespace testing_support;

unsigned long Fingerprint(const std::string& bytes) {
    unsigned long hash = 2166136261ul;
    for (unsigned char c : bytes) hash = (hash ^ c) * 16777619ul;
    return hash;
}

std::string SoundFile(const char* name) { return ReadBytes(WinPath(std::string(TAVRISK_SOURCE_DIR) + "/res/" + name)); }

struct Recorded {
    Recorded() {
        path = sandbox.Path("sounds.txt");
        SetEnvironmentVariableA(kSoundRecordVariable, path.c_str());
    }
    ~Recorded() { SetEnvironmentVariableA(kSoundRecordVariable, nullptr); }
    std::string Take() {
        std::string text = ReadBytes(path);
        DeleteFileA(path.c_str());
        return text;
    }
    Sandbox sandbox{"sound"};
    std::string path;
};

class Executable {
public:
    Executable() : module_(LoadLibraryExA(TavriskExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    // An asynchronous sound goes on reading the image in winmm's own thread: it is stopped,
    // and that thread waited for, before the image is unmapped under it.
    ~Executable() {
        tavrisk::winmm::sndPlaySoundA(nullptr, 0);
        if (module_) FreeLibrary(module_);
    }
    HMODULE get() const { return module_; }
    std::string Resource(int id) const {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
        if (!found) return {};
        return std::string(static_cast<const char*>(LockResource(LoadResource(module_, found))),
                           SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

TEST(SoundResources, AreTheWaveFilesByteForByte) {
    Executable exe;
    ASSERT_NE(exe.get(), nullptr);
    const std::string open = SoundFile("open.wav"), done = SoundFile("done.wav");
    EXPECT_EQ(open.size(), 22688u);
    EXPECT_EQ(done.size(), 14298u);
    EXPECT_TRUE(exe.Resource(IDW_OPEN_SOUND) == open);
    EXPECT_TRUE(exe.Resource(IDW_DONE_SOUND) == done);
}

TEST(PlaySoundResource, HandsTheResourceBytesOverWithTheFixedFlags) {
    Executable exe;
    Recorded record;
    char expected[128];

    // Wine, with no sound device, accepts asynchronous requests and refuses synchronous ones.
    EXPECT_NE(tavrisk::PlaySoundResource(exe.get(), IDW_DONE_SOUND, SND_ASYNC), 0);
    const std::string done = SoundFile("done.wav");
    std::snprintf(expected, sizeof expected, "sound flags=0x17 size=%lu fnv=%08lX result=1\n",
                  static_cast<unsigned long>(done.size()), Fingerprint(done));
    EXPECT_EQ(record.Take(), expected);

    EXPECT_EQ(tavrisk::PlaySoundResource(exe.get(), IDW_OPEN_SOUND, SND_SYNC), 0);
    const std::string open = SoundFile("open.wav");
    std::snprintf(expected, sizeof expected, "sound flags=0x16 size=%lu fnv=%08lX result=0\n",
                  static_cast<unsigned long>(open.size()), Fingerprint(open));
    EXPECT_EQ(record.Take(), expected) << "the pad byte and the RIFF size of 22,680 travel unchanged";

    // A missing id: 0 and nothing handed to the multimedia system. Asked
    // asynchronously, since Wine refuses every synchronous request anyway.
    EXPECT_EQ(tavrisk::PlaySoundResource(exe.get(), 999, SND_ASYNC), 0);
    EXPECT_EQ(record.Take(), "");

    // Not observable here: with no sound device Wine neither plays for the sound's
    // length nor refuses a second request while one plays (SND_NOSTOP).
}

}  // namespace
