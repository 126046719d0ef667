#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A fresh folder per test and byte images of the players file written by
// hand, so the tests do not trust the code they check to build their input.
class ScoreFileFixture : public ::testing::Test {
protected:
    using Bytes = std::vector<uint8_t>;

    void SetUp() override
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "lexiloop-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        m_dir = tmpl;
        m_path = (m_dir / "zorvsco.dat").string();
    }

    void TearDown() override
    {
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(m_dir);
    }

    // One record as the original wrote it; the name is already in its
    // 8-bit form.
    static Bytes rec(const std::string& name, int32_t total, int32_t times, int32_t next)
    {
        Bytes b(name.begin(), name.end());
        b.resize(20, ' ');
        for (int32_t v : {total, times, next})
            for (int i = 0; i < 4; ++i)
                b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
        return b;
    }

    static Bytes cat(std::initializer_list<Bytes> parts)
    {
        Bytes out;
        for (const auto& p : parts)
            out.insert(out.end(), p.begin(), p.end());
        return out;
    }

    void writeImage(const Bytes& bytes) const
    {
        std::ofstream(m_path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    Bytes readImage() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    bool fileThere() const { return std::filesystem::exists(m_path); }

    std::filesystem::path m_dir;
    std::string m_path;
};
