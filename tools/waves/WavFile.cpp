#include "tools/waves/WavFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

void WavFile::appendSilence(double seconds)
{
    m_samples.resize(m_samples.size() + static_cast<std::size_t>(seconds * m_sampleRate), 0.0f);
}

void WavFile::normalize(float peak)
{
    float loudest = 0.0f;
    for (float s : m_samples)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0.0f)
        return;
    const float gain = peak / loudest;
    for (float& s : m_samples)
        s *= gain;
}

std::vector<std::uint8_t> WavFile::bytes() const
{
    const auto dataBytes = static_cast<std::uint32_t>(m_samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, 1); // mono
    putU32(out, static_cast<std::uint32_t>(m_sampleRate));
    putU32(out, static_cast<std::uint32_t>(m_sampleRate * 2));
    putU16(out, 2);
    putU16(out, 16);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (float s : m_samples) {
        // Clamp anyway: a rounding step must never wrap around to the other sign.
        const float clamped = std::clamp(s, -1.0f, 1.0f);
        const auto v = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
        putU16(out, static_cast<std::uint16_t>(v));
    }
    return out;
}

bool WavFile::write(const std::string& path) const
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    const auto data = bytes();
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(file);
}
