#include "tools/puzzles/CuratedLists.h"

#include <fstream>
#include <sstream>

namespace {

// Splits each non-comment line into upper-case words.
bool readLines(const std::string& path, std::vector<std::vector<std::string>>& rows,
    std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        auto hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string w; fields >> w;) {
            for (char& c : w)
                if (c >= 'a' && c <= 'z')
                    c = static_cast<char>(c - 'a' + 'A');
            row.push_back(w);
        }
        if (!row.empty())
            rows.push_back(row);
    }
    return true;
}

} // namespace

bool CuratedLists::loadAllow(const std::string& path, std::string& error)
{
    std::vector<std::vector<std::string>> rows;
    if (!readLines(path, rows, error))
        return false;
    for (const auto& row : rows) {
        if (row.size() != 2) {
            error = path + ": each line must name two words: " + row[0];
            return false;
        }
        if (m_allowedSet.insert({row[0], row[1]}).second)
            m_allowed.emplace_back(row[0], row[1]);
    }
    return true;
}

bool CuratedLists::loadDeny(const std::string& path, std::string& error)
{
    std::vector<std::vector<std::string>> rows;
    if (!readLines(path, rows, error))
        return false;
    for (const auto& row : rows) {
        if (row.size() == 1)
            m_deniedWords.insert(row[0]);
        else if (row.size() == 2)
            m_deniedLinks.insert({row[0], row[1]});
        else {
            error = path + ": each line must name one word or one link: " + row[0];
            return false;
        }
    }
    return true;
}

bool CuratedLists::linkDenied(const std::string& first, const std::string& second) const
{
    return m_deniedLinks.count({first, second}) > 0;
}

bool CuratedLists::linkAllowed(const std::string& first, const std::string& second) const
{
    return m_allowedSet.count({first, second}) > 0;
}
