#include "tools/puzzles/LinkGraph.h"
#include "tools/puzzles/ListFile.h"

#include <algorithm>
#include <set>
#include <sstream>

void LinkGraph::addLink(const std::string& first, const std::string& second, int score)
{
    auto [it, added] = m_pending.try_emplace({first, second}, score);
    if (!added)
        it->second = std::max(it->second, score);
}

std::set<std::string> LinkGraph::pendingWords() const
{
    std::set<std::string> words;
    for (const auto& [link, score] : m_pending) {
        words.insert(link.first);
        words.insert(link.second);
    }
    return words;
}

void LinkGraph::finish()
{
    std::set<std::string> words = pendingWords();
    m_words.assign(words.begin(), words.end());
    m_ids.clear();
    for (std::size_t i = 0; i < m_words.size(); ++i)
        m_ids[m_words[i]] = static_cast<int>(i);
    m_out.assign(m_words.size(), {});
    m_in.assign(m_words.size(), {});
    m_scores.clear();
    for (const auto& [link, score] : m_pending) {
        int a = m_ids[link.first];
        int b = m_ids[link.second];
        m_out[a].push_back(b);
        m_in[b].push_back(a);
        m_scores[key(a, b)] = score;
    }
    // The pending map is ordered by words and ids follow the same order,
    // so every adjacency list is already sorted.
    m_linkCount = static_cast<int>(m_pending.size());
}

void LinkGraph::addPluralAnswers()
{
    std::set<std::string> words = pendingWords();
    std::vector<std::pair<std::string, std::string>> plurals;
    for (const auto& [link, score] : m_pending) {
        const std::string& second = link.second;
        std::vector<std::string> forms = {second + "S", second + "ES"};
        if (second.size() > 1 && second.back() == 'Y')
            forms.push_back(second.substr(0, second.size() - 1) + "IES");
        for (const std::string& form : forms)
            if (words.count(form) && !m_pending.count({link.first, form}))
                plurals.emplace_back(link.first, form);
    }
    for (const auto& [first, plural] : plurals)
        addLink(first, plural, 0);
}

int LinkGraph::id(const std::string& word) const
{
    auto it = m_ids.find(word);
    return it == m_ids.end() ? -1 : it->second;
}

bool LinkGraph::hasLink(const std::string& first, const std::string& second) const
{
    int a = id(first);
    int b = id(second);
    return a >= 0 && b >= 0 && score(a, b) >= 0;
}

int LinkGraph::score(int first, int second) const
{
    auto it = m_scores.find(key(first, second));
    return it == m_scores.end() ? -1 : it->second;
}

std::vector<int> LinkGraph::middles(int above, int below) const
{
    std::vector<int> both;
    const auto& a = m_out[above];
    const auto& b = m_in[below];
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

int LinkGraph::middleCount(int above, int below, std::size_t length) const
{
    const auto& a = m_out[above];
    const auto& b = m_in[below];
    int count = 0;
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i < *j)
            ++i;
        else if (*j < *i)
            ++j;
        else {
            count += length == 0 || m_words[*i].size() == length;
            ++i;
            ++j;
        }
    }
    return count;
}

bool LinkGraph::save(const std::string& path, const std::string& header) const
{
    std::ofstream out = ListFile::create(path, header);
    for (const auto& [link, score] : m_pending)
        out << link.first << ' ' << link.second << ' ' << score << '\n';
    return static_cast<bool>(out);
}

bool LinkGraph::load(const std::string& path, std::string& error)
{
    bool read = ListFile::read(path, [&](const std::string& line, int lineNumber) {
        std::istringstream fields(line);
        std::string first, second;
        int score = 0;
        if (!(fields >> first >> second >> score)) {
            error = path + ":" + std::to_string(lineNumber) + ": expected FIRST SECOND SCORE";
            return false;
        }
        addLink(first, second, score);
        return true;
    }, error);
    finish();
    return read;
}
