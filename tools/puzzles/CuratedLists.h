#pragma once
#include <set>
#include <string>
#include <utility>
#include <vector>

// The hand-kept lists beside the generator. allow.txt names compounds
// WordNet lacks or that the false-split guard turns away ("BUTTER FLY"
// means BUTTERFLY); deny.txt names words never to use ("ARCHAIC") and links
// never to use ("NOT ICE"). Words are upper case; '#' starts a comment.
class CuratedLists {
public:
    bool loadAllow(const std::string& path, std::string& error);
    bool loadDeny(const std::string& path, std::string& error);

    const std::vector<std::pair<std::string, std::string>>& allowed() const { return m_allowed; }
    bool wordDenied(const std::string& word) const { return m_deniedWords.count(word) > 0; }
    bool linkDenied(const std::string& first, const std::string& second) const;
    bool linkAllowed(const std::string& first, const std::string& second) const;

private:
    std::vector<std::pair<std::string, std::string>> m_allowed;
    std::set<std::pair<std::string, std::string>> m_allowedSet;
    std::set<std::string> m_deniedWords;
    std::set<std::pair<std::string, std::string>> m_deniedLinks;
};
