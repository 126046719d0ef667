#include "tools/puzzles/ListFile.h"

#include <sstream>

bool ListFile::read(const std::string& path,
    const std::function<bool(const std::string& line, int lineNumber)>& entry, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line[0] != '#' && !entry(line, lineNumber))
            return false;
    }
    return true;
}

std::ofstream ListFile::create(const std::string& path, const std::string& header)
{
    std::ofstream out(path, std::ios::binary);
    std::istringstream lines(header);
    for (std::string line; std::getline(lines, line);)
        out << "# " << line << '\n';
    return out;
}
