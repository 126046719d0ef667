#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A mono 16-bit PCM wave file. Samples are kept as floats in -1..1 until
// they are written so the effects can be mixed and scaled freely.
class WavFile {
public:
    explicit WavFile(int sampleRate) : m_sampleRate(sampleRate) {}

    int sampleRate() const { return m_sampleRate; }
    std::vector<float>& samples() { return m_samples; }
    const std::vector<float>& samples() const { return m_samples; }

    // Adds silent samples at the end.
    void appendSilence(double seconds);
    // Scales the whole sound so its loudest sample sits at `peak`.
    void normalize(float peak);
    // Writes the RIFF file; returns false when the file cannot be written.
    bool write(const std::string& path) const;
    // The little-endian bytes of the whole file.
    std::vector<std::uint8_t> bytes() const;

private:
    int m_sampleRate = 22050;
    std::vector<float> m_samples;
};
