#pragma once
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh folder that becomes the working directory for one test, since the
// game opens its files by bare name; the old directory comes back after.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lexiloop-test-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_path);
    }
    ~ScratchFolder()
    {
        std::filesystem::current_path(m_previous);
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    static void write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    static std::vector<uint8_t> read(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous;
};
