#include "tools/waves/Effects.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Note {
    double start = 0.0;    // seconds from the start of the file
    double freq = 440.0;   // fundamental in Hz
    double attack = 0.005; // seconds of raised-cosine fade-in
    double decay = 0.1;    // time constant of the exponential die-away
    double level = 1.0;
    std::vector<double> partials = {1.0};
};

// Adds one note; the raised-cosine attack keeps its onset free of clicks.
void addNote(WavFile& wav, const Note& note)
{
    auto& out = wav.samples();
    const double rate = wav.sampleRate();
    const auto first = static_cast<std::size_t>(note.start * rate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = (i - first) / rate;
        double env = std::exp(-t / note.decay) * note.level;
        if (t < note.attack)
            env *= 0.5 - 0.5 * std::cos(Pi * t / note.attack);
        double v = 0.0;
        int harmonic = 1;
        for (double amp : note.partials)
            v += amp * std::sin(2.0 * Pi * note.freq * harmonic++ * t);
        out[i] += static_cast<float>(env * v);
    }
}

// Brings the tail smoothly to silence so the file ends on a zero sample.
void fadeOut(WavFile& wav, double seconds)
{
    auto& out = wav.samples();
    const auto len = std::min(out.size(), static_cast<std::size_t>(seconds * wav.sampleRate()));
    for (std::size_t k = 0; k < len; ++k) {
        const std::size_t i = out.size() - len + k;
        const double x = static_cast<double>(len - 1 - k) / static_cast<double>(len - 1);
        out[i] *= static_cast<float>(0.5 - 0.5 * std::cos(Pi * x));
    }
}

// Qt's PulseAudio output drops whatever it still holds in its buffer when a
// sound ends (up to about 150 ms), and a sound shorter than the pre-buffer
// never starts at all. A silent tail takes that loss instead of the effect.
constexpr double SafetyTail = 0.25;

WavFile silence(int sampleRate, double seconds)
{
    WavFile wav(sampleRate);
    wav.samples().assign(static_cast<std::size_t>(seconds * sampleRate), 0.0f);
    return wav;
}

} // namespace

namespace Effects {

WavFile tick(int sampleRate)
{
    WavFile wav = silence(sampleRate, 0.080);
    // A bright wooden knock: a high tone with a softer body under it.
    addNote(wav, {.start = 0.0, .freq = 1760.0, .attack = 0.002, .decay = 0.012,
                  .level = 1.0, .partials = {1.0, 0.0, 0.25}});
    addNote(wav, {.start = 0.0, .freq = 880.0, .attack = 0.003, .decay = 0.020,
                  .level = 0.6, .partials = {1.0}});
    fadeOut(wav, 0.020);
    wav.normalize(0.40f);
    wav.appendSilence(SafetyTail);
    return wav;
}

WavFile buzz(int sampleRate)
{
    WavFile wav = silence(sampleRate, 0.300);
    // Two close low tones beat against each other; the odd partials give the
    // buzz its edge without the harshness of a real square wave.
    const std::vector<double> odd = {1.0, 0.0, 0.30, 0.0, 0.15, 0.0, 0.07};
    addNote(wav, {.start = 0.0, .freq = 130.8, .attack = 0.020, .decay = 0.35,
                  .level = 1.0, .partials = odd});
    addNote(wav, {.start = 0.0, .freq = 138.6, .attack = 0.020, .decay = 0.35,
                  .level = 0.8, .partials = odd});
    fadeOut(wav, 0.080);
    wav.normalize(0.35f);
    wav.appendSilence(SafetyTail);
    return wav;
}

WavFile flourish(int sampleRate)
{
    WavFile wav = silence(sampleRate, 1.200);
    // C major rising over two octaves; the top note rings longest.
    const double notes[] = {523.25, 659.26, 783.99, 1046.50, 1318.51};
    for (int i = 0; i < 5; ++i) {
        const bool last = i == 4;
        addNote(wav, {.start = 0.10 * i, .freq = notes[i], .attack = 0.006,
                      .decay = last ? 0.35 : 0.22, .level = last ? 1.0 : 0.8,
                      .partials = {1.0, 0.30, 0.10}});
    }
    fadeOut(wav, 0.200);
    wav.normalize(0.50f);
    wav.appendSilence(SafetyTail);
    return wav;
}

} // namespace Effects
