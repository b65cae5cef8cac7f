// The option grammar, the number reader and the clamp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"

namespace {

using tavrisk::ParseOutcome;
using tavrisk::PromptMode;

struct Parsed {
    tavrisk::ParseResult result;
    tavrisk::RunOptions options;
};

Parsed Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "C:\\tavrisk.exe");
    args.push_back(nullptr);
    Parsed parsed;
    parsed.result = tavrisk::ParseOptions(static_cast<int>(args.size() - 1), args.data(), parsed.options);
    return parsed;
}

TEST(ParseOptionNumber, ReadsSignDigitsAndStopsAtTheRest) {
    const struct {
        const char* text;
        std::int32_t value;
    } rows[] = {
        {"", 0},
        {"abc", 0},
        {"7x", 7},
        {" 4", 4},
        {"\t\n\v\f\r 5", 5},
        {"+3", 3},
        {"-1", -1},
        {"--1", 0},
        {"+", 0},
        {"- 1", 0},
        {"12 34", 12},
        {"4294967297", 1},
        {"2147483648", INT32_MIN},
        {"4294967295", -1},
        {"-2147483648", INT32_MIN},
        {"99999999999999999999", static_cast<std::int32_t>(1661992959u)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(tavrisk::ParseOptionNumber(row.text), row.value);
    }
}

TEST(ClampCleanMode, KeepsZeroToNineAndTurnsEverythingElseIntoNine) {
    for (std::int32_t mode = 0; mode <= 9; ++mode) EXPECT_EQ(tavrisk::ClampCleanMode(mode), mode);
    for (std::int32_t mode : {10, 12, 255, INT32_MAX, -1, INT32_MIN}) EXPECT_EQ(tavrisk::ClampCleanMode(mode), 9);
}

TEST(ParseOptions, ReadsValuesAndIgnoresNearMisses) {
    auto p = Parse({"v=3", "p=1", "r=D:\\app.exe"});
    EXPECT_EQ(p.result.outcome, ParseOutcome::Run);
    EXPECT_EQ(p.options.cleanMode, 3);
    EXPECT_EQ(p.options.promptMode, PromptMode::AskAndReport);
    EXPECT_STREQ(p.options.program, "D:\\app.exe");
    EXPECT_FALSE(p.options.logEnabled);

    p = Parse({"V=4", "P=2", "R=x"});
    EXPECT_EQ(p.options.cleanMode, 4);
    EXPECT_EQ(p.options.promptMode, PromptMode::Sound);
    EXPECT_STREQ(p.options.program, "x");

    // Only the first two characters decide; these leave the defaults.
    p = Parse({"v5", "verbose=1", "prompt=1", "run=app", "v", "p", "r"});
    EXPECT_EQ(p.result.outcome, ParseOutcome::Run);
    EXPECT_EQ(p.options.cleanMode, 1);
    EXPECT_EQ(p.options.promptMode, PromptMode::None);
    EXPECT_STREQ(p.options.program, "");

    for (const char* on : {"/log", "/LOG", "-Log", "-lOg"}) {
        SCOPED_TRACE(on);
        EXPECT_TRUE(Parse({on}).options.logEnabled);
    }
    for (const char* off : {"/logfile", "/l", "/", "-", "-x", "/lo", "//log", "/ log"}) {
        SCOPED_TRACE(off);
        p = Parse({off});
        EXPECT_EQ(p.result.outcome, ParseOutcome::Run);
        EXPECT_FALSE(p.options.logEnabled);
    }

    p = Parse({"v=", "p=abc"});
    EXPECT_EQ(p.options.cleanMode, 0);
    EXPECT_EQ(p.options.promptMode, PromptMode::None);
}

TEST(ParseOptions, ReadsTheMemoryLoadThresholdLikeTheOtherNumbers) {
    EXPECT_EQ(Parse({"v=1"}).options.memoryLoadThreshold, 0) << "no t=: always clean";
    const struct {
        std::vector<const char*> args;
        std::int32_t threshold;
    } rows[] = {
        {{"t=50"}, 50},
        {{"T=75"}, 75},
        {{"t=80x"}, 80},
        {{"t=abc"}, 0},
        {{"t=-5"}, -5},
        {{"t=30", "t=60"}, 60},
        {{"t=40", "t5", "tx=1", "threshold=9"}, 40},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.back());
        const Parsed p = Parse(row.args);
        EXPECT_EQ(p.result.outcome, ParseOutcome::Run) << "t5 and tx=1 are ignored, never errors";
        EXPECT_EQ(p.options.memoryLoadThreshold, row.threshold);
    }
}

TEST(ShouldClean, OnlyALoadBelowAPositiveThresholdSkipsTheCleanup) {
    const struct {
        std::int32_t threshold;
        std::optional<std::uint32_t> load;
        bool clean;
    } rows[] = {
        {50, 49, false}, {50, 50, true},   {50, 51, true},       {50, 0, false},           {1, 0, false},
        {1, 1, true},    {100, 99, false}, {100, 100, true},     {101, 100, false},        {INT32_MAX, 100, false},
        {0, 0, true},    {-1, 0, true},    {INT32_MIN, 0, true}, {50, std::nullopt, true},  // the load could not be
                                                                                            // read
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "t=" << row.threshold << ", load " << (row.load ? int(*row.load) : -1));
        EXPECT_EQ(tavrisk::ShouldClean(row.threshold, row.load), row.clean);
    }
}

TEST(ParseOptions, LaterValuesWinAndLogStaysOn) {
    auto p = Parse({"p=1", "p=0", "/log", "v=2", "v=7", "r=app.exe", "r=", "-nolog"});
    EXPECT_EQ(p.options.promptMode, PromptMode::None);
    EXPECT_EQ(p.options.cleanMode, 7);
    EXPECT_STREQ(p.options.program, "");
    EXPECT_TRUE(p.options.logEnabled);

    const std::string longTarget = "r=" + std::string(700, 'a');
    p = Parse({longTarget.c_str()});
    EXPECT_EQ(std::string(p.options.program), std::string(700, 'a'));
}

TEST(ParseOptions, HelpAndErrorsEndTheReading) {
    EXPECT_EQ(Parse({}).result.outcome, ParseOutcome::ShowAbout);
    for (auto args : std::vector<std::vector<const char*>>{{"/?"}, {"-?"}, {"/?x"}, {"v=3", "/?", "x"}}) {
        EXPECT_EQ(Parse(args).result.outcome, ParseOutcome::ShowAbout);
    }
    for (const char* bad : {"x=1", "5", "+v=1", "", "x", "?", "\xE9=1", " v=1"}) {
        SCOPED_TRACE(bad);
        auto p = Parse({"v=3", bad, "/?", "y"});
        EXPECT_EQ(p.result.outcome, ParseOutcome::CommandLineError);
        EXPECT_STREQ(p.result.badArgument, bad);
    }
}

}  // namespace
