// Integer-only synthesis of the opening chime and the completion cue as 8-bit mono PCM WAV files.
#include "assetgen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace assetgen {
namespace {

// Sine table: 4096 steps per turn, Q15 amplitude. Built with integer arithmetic only,
// so the sounds come out identical with every compiler and maths library.
constexpr int kSineBits = 12;
constexpr int kSineSize = 1 << kSineBits;
constexpr int kQuarter = kSineSize / 4;

std::array<std::int32_t, kSineSize> MakeSineTable() {
    constexpr std::int64_t kOne = std::int64_t{1} << 30;  // Q30
    constexpr std::int64_t kHalfPi = 1686629713;          // pi/2 in Q30
    std::array<std::int32_t, kQuarter + 1> quarter{};
    for (int i = 0; i <= kQuarter; ++i) {
        const std::int64_t x = kHalfPi * i / kQuarter;
        const std::int64_t x2 = (x * x) >> 30;
        // Taylor series to x^11 in Horner form; error well below 1e-7 on [0, pi/2].
        std::int64_t t = kOne - x2 / 110;
        t = kOne - ((x2 * t) >> 30) / 72;
        t = kOne - ((x2 * t) >> 30) / 42;
        t = kOne - ((x2 * t) >> 30) / 20;
        t = kOne - ((x2 * t) >> 30) / 6;
        std::int64_t s = (((x * t) >> 30) + (1 << 14)) >> 15;
        if (s > 32767) s = 32767;
        quarter[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(s);
    }
    std::array<std::int32_t, kSineSize> table{};
    for (int i = 0; i < kSineSize; ++i) {
        const int j = i % kQuarter;
        std::int32_t v = 0;
        switch (i / kQuarter) {
        case 0:
            v = quarter[static_cast<std::size_t>(j)];
            break;
        case 1:
            v = quarter[static_cast<std::size_t>(kQuarter - j)];
            break;
        case 2:
            v = -quarter[static_cast<std::size_t>(j)];
            break;
        default:
            v = -quarter[static_cast<std::size_t>(kQuarter - j)];
            break;
        }
        table[static_cast<std::size_t>(i)] = v;
    }
    return table;
}

// One partial of the bell timbre, relative to the note it belongs to.
struct Partial {
    std::uint32_t ratio;  // frequency ratio, in thousandths
    std::int64_t amp;     // amplitude, in thousandths
    std::uint32_t decay;  // half-life, in thousandths of the note's half-life
};

// A slightly stretched fourth partial gives the tone its bell-like shimmer.
constexpr std::array<Partial, 4> kBell = {{
    {1000, 1000, 1000},
    {2000, 420, 600},
    {3000, 180, 400},
    {4160, 90, 250},
}};

struct Note {
    std::uint32_t startMs;
    std::uint32_t freqCentiHz;
    std::int64_t level;  // thousandths
    std::uint32_t halfLifeMs;
};

struct SoundPlan {
    std::uint32_t rate;
    std::uint32_t samples;
    std::uint32_t attackMs;  // per-note onset ramp
    std::uint32_t fadeInMs;
    std::uint32_t fadeOutMs;
    std::int64_t peak;  // largest excursion from 128 in the output
    const Note* notes;
    std::size_t noteCount;
};

// Rounded division for a positive divisor, symmetric around zero.
std::int64_t DivRound(std::int64_t a, std::int64_t b) { return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b); }

// Exponential decay amp * 2^(-t/h), with straight segments between the halvings.
std::int64_t Decay(std::int64_t amp, std::uint64_t t, std::uint64_t h) {
    const std::uint64_t halvings = t / h;
    if (halvings >= 40) return 0;
    const std::int64_t base = amp >> halvings;
    const std::int64_t rest = static_cast<std::int64_t>(t % h);
    return base - base * rest / static_cast<std::int64_t>(2 * h);
}

std::vector<std::uint8_t> Synthesize(const SoundPlan& plan) {
    static const auto sine = MakeSineTable();
    const std::uint64_t rate = plan.rate;
    std::vector<std::int64_t> mix(plan.samples, 0);

    for (std::size_t n = 0; n < plan.noteCount; ++n) {
        const Note& note = plan.notes[n];
        const std::uint64_t start = note.startMs * rate / 1000;
        const std::uint64_t attack = plan.attackMs * rate / 1000;
        for (const Partial& p : kBell) {
            // Phase step per sample as a fraction of a turn, 32-bit fixed point.
            const std::uint64_t step = (std::uint64_t{note.freqCentiHz} * p.ratio << 32) / (100000 * rate);
            const std::uint64_t halfLife = std::uint64_t{note.halfLifeMs} * p.decay * rate / 1000000;
            const std::int64_t amp = note.level * p.amp;  // up to 1e6
            for (std::uint64_t i = start; i < plan.samples; ++i) {
                const std::uint64_t t = i - start;
                std::int64_t env = Decay(amp, t, halfLife);
                if (env == 0) break;
                if (t < attack) env = env * static_cast<std::int64_t>(t) / static_cast<std::int64_t>(attack);
                const auto phase = static_cast<std::uint32_t>(step * t);
                mix[i] += env * sine[phase >> (32 - kSineBits)];
            }
        }
    }

    // Fade the whole sound in and out so it starts and ends exactly on silence.
    const std::int64_t count = plan.samples;
    const std::int64_t fadeIn = plan.fadeInMs * plan.rate / 1000;
    const std::int64_t fadeOut = plan.fadeOutMs * plan.rate / 1000;
    std::int64_t peak = 1;
    for (std::int64_t i = 0; i < count; ++i) {
        std::int64_t& v = mix[static_cast<std::size_t>(i)];
        if (i < fadeIn) v = v * i / fadeIn;
        const std::int64_t left = count - 1 - i;
        if (left < fadeOut) v = v * left / fadeOut;
        const std::int64_t mag = v < 0 ? -v : v;
        if (mag > peak) peak = mag;
    }

    std::vector<std::uint8_t> pcm(plan.samples);
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = static_cast<std::uint8_t>(128 + DivRound(mix[i] * plan.peak, peak));
    return pcm;
}

void PutTag(Bytes& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// RIFF/WAVE image: "fmt " (PCM, mono, 8-bit) then "data", padded to an even size.
Bytes MakeWav(std::uint32_t rate, const std::vector<std::uint8_t>& pcm) {
    const auto dataSize = static_cast<std::uint32_t>(pcm.size());
    const std::uint32_t pad = dataSize & 1;
    Bytes out;
    out.reserve(44 + dataSize + pad);
    PutTag(out, "RIFF");
    Put32(out, 4 + (8 + 16) + (8 + dataSize + pad));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, rate);
    Put32(out, rate);  // bytes per second
    Put16(out, 1);     // block align
    Put16(out, 8);     // bits per sample
    PutTag(out, "data");
    Put32(out, dataSize);
    out.insert(out.end(), pcm.begin(), pcm.end());
    if (pad) out.push_back(0);
    return out;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

// Opening chime: E5, G5, C6 rising, the last note ringing longest.
constexpr Note kOpenNotes[] = {
    {0, 65926, 800, 280},
    {160, 78399, 850, 300},
    {320, 104650, 1000, 380},
};

// Completion cue: two quick notes a fourth apart, A5 then D6.
constexpr Note kDoneNotes[] = {
    {0, 88000, 850, 80},
    {105, 117466, 1000, 130},
};

}  // namespace

Bytes BuildOpenWav() {
    const SoundPlan plan{11025, 22643, 4, 5, 300, 100, kOpenNotes, std::size(kOpenNotes)};
    return MakeWav(plan.rate, Synthesize(plan));
}

Bytes BuildDoneWav() {
    const SoundPlan plan{22254, 14254, 3, 3, 90, 100, kDoneNotes, std::size(kDoneNotes)};
    return MakeWav(plan.rate, Synthesize(plan));
}

}  // namespace assetgen

int WriteSounds(const char* dir) {
    const std::string base = std::string(dir) + "/";
    if (!assetgen::WriteFile(base + "open.wav", assetgen::BuildOpenWav())) return 1;
    if (!assetgen::WriteFile(base + "done.wav", assetgen::BuildDoneWav())) return 1;
    return 0;
}
