#include "tools/puzzles/WordNetReader.h"

#include <fstream>
#include <sstream>

namespace {

const char* const kFileNames[] = {"noun", "verb", "adj", "adv"};
const char kPosLetters[] = {'n', 'v', 'a', 'r'};

// Adjectives may carry a syntax marker such as "(p)" after the word.
std::string stripMarker(std::string word)
{
    auto paren = word.find('(');
    if (paren != std::string::npos)
        word.erase(paren);
    return word;
}

std::string lowerCase(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Hands every entry of a WordNet data or index file to the handler,
// skipping the licence lines at its head, which begin with a blank.
template <class Handle>
bool forEachEntry(const std::string& path, Handle handle)
{
    std::ifstream in(path);
    if (!in)
        return false;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != ' ')
            handle(line);
    return true;
}

} // namespace

uint64_t WordNetReader::key(char pos, uint32_t offset)
{
    // Satellite adjectives live in data.adj like the head adjectives.
    if (pos == 's')
        pos = 'a';
    return (static_cast<uint64_t>(static_cast<unsigned char>(pos)) << 32) | offset;
}

bool WordNetReader::load(const std::string& dir, std::string& error)
{
    for (int i = 0; i < 4; ++i) {
        std::string data = dir + "/data." + kFileNames[i];
        std::string index = dir + "/index." + kFileNames[i];
        if (!loadData(data, kPosLetters[i])) {
            error = "cannot read " + data;
            return false;
        }
        if (!loadIndex(index, kPosLetters[i])) {
            error = "cannot read " + index;
            return false;
        }
    }
    if (!loadSenses(dir + "/index.sense")) {
        error = "cannot read " + dir + "/index.sense";
        return false;
    }
    return true;
}

bool WordNetReader::loadData(const std::string& path, char pos)
{
    return forEachEntry(path, [&](const std::string& line) {
        auto bar = line.find(" | ");
        WnSynset syn;
        if (bar != std::string::npos)
            syn.gloss = line.substr(bar + 3);
        std::istringstream fields(line.substr(0, bar));
        std::string offset, lexFile, type, countHex;
        fields >> offset >> lexFile >> type >> countHex;
        syn.lexFile = std::stoi(lexFile);
        int wordCount = std::stoi(countHex, nullptr, 16);
        for (int w = 0; w < wordCount; ++w) {
            std::string word, lexId;
            fields >> word >> lexId;
            syn.words.push_back(stripMarker(word));
        }
        int pointerCount = 0;
        fields >> pointerCount;
        for (int p = 0; p < pointerCount; ++p) {
            std::string symbol, target, targetPos, sourceTarget;
            fields >> symbol >> target >> targetPos >> sourceTarget;
            // Hypernyms and part/member/substance holonyms say what a
            // compound is or belongs to, which is what tells a real compound
            // from a chance split.
            bool wanted = symbol == "@" || symbol == "@i" || symbol[0] == '#';
            if (targetPos.empty())
                continue;
            uint64_t targetKey = key(targetPos[0], static_cast<uint32_t>(std::stoul(target)));
            if (wanted)
                syn.related.push_back(targetKey);
            else if (symbol == "+")
                syn.derived.push_back(targetKey);
        }
        m_synsets[key(pos, static_cast<uint32_t>(std::stoul(offset)))] = std::move(syn);
    });
}

bool WordNetReader::loadIndex(const std::string& path, char pos)
{
    return forEachEntry(path, [&](const std::string& line) {
        std::istringstream fields(line);
        std::vector<std::string> parts;
        for (std::string f; fields >> f;)
            parts.push_back(f);
        if (parts.size() < 4)
            return;
        int synsetCount = std::stoi(parts[2]);
        WnLemma& lemma = m_lemmas[parts[0]];
        lemma.isNoun |= pos == 'n';
        lemma.isVerb |= pos == 'v';
        lemma.isAdj |= pos == 'a';
        for (std::size_t i = parts.size() - synsetCount; i < parts.size(); ++i)
            lemma.senses.push_back(key(pos, static_cast<uint32_t>(std::stoul(parts[i]))));
    });
}

bool WordNetReader::loadSenses(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string senseKey, offset, senseNumber;
    int count = 0;
    // A sense key reads lemma%t:..., where t is 1 noun, 2 verb, 3 adjective,
    // 4 adverb, 5 satellite adjective.
    const char posOfType[] = {'?', 'n', 'v', 'a', 'r', 'a'};
    while (in >> senseKey >> offset >> senseNumber >> count) {
        auto percent = senseKey.find('%');
        std::string lemma = lowerCase(senseKey.substr(0, percent));
        m_tagCounts[lemma] += count;
        int type = percent + 1 < senseKey.size() ? senseKey[percent + 1] - '0' : 0;
        if (type >= 1 && type <= 5)
            m_posTagCounts[lemma + '%' + posOfType[type]] += count;
    }
    return true;
}

const WnSynset* WordNetReader::synset(uint64_t k) const
{
    auto it = m_synsets.find(k);
    return it == m_synsets.end() ? nullptr : &it->second;
}

int WordNetReader::tagCount(const std::string& lemma) const
{
    auto it = m_tagCounts.find(lemma);
    return it == m_tagCounts.end() ? 0 : it->second;
}

int WordNetReader::tagCount(const std::string& lemma, char pos) const
{
    auto it = m_posTagCounts.find(lemma + '%' + pos);
    return it == m_posTagCounts.end() ? 0 : it->second;
}
