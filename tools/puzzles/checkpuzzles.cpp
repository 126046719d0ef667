// Checks a game-data file against the rules of the puzzle set and prints
// what it uses. Exits 1 when any rule is broken.
#include "tools/puzzles/LinkGraph.h"
#include "tools/puzzles/PuzzleChecker.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    std::string dataPath;
    std::string linksPath;
    PuzzleChecker checker;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--links" && i + 1 < argc)
            linksPath = argv[++i];
        else if (arg == "--count" && i + 1 < argc)
            checker.m_expectedRecords = std::stoi(argv[++i]);
        else if (dataPath.empty() && arg.rfind("--", 0) != 0)
            dataPath = arg;
        else
            dataPath.clear(), i = argc;
    }
    if (dataPath.empty()) {
        std::cerr << "usage: checkpuzzles FILE [--links links.txt] [--count N]\n";
        return 2;
    }
    std::ifstream in(dataPath, std::ios::binary);
    if (!in) {
        std::cerr << "checkpuzzles: cannot read " << dataPath << '\n';
        return 2;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    LinkGraph lists;
    if (!linksPath.empty()) {
        std::string error;
        if (!lists.load(linksPath, error)) {
            std::cerr << "checkpuzzles: " << error << '\n';
            return 2;
        }
    }
    auto report = checker.check(bytes, linksPath.empty() ? nullptr : &lists);
    for (const auto& p : report.problems)
        std::cout << p << '\n';
    std::cout << "records: " << report.records << '\n'
              << "distinct words: " << report.distinctWords << '\n'
              << "distinct links: " << report.distinctLinks << '\n'
              << "most-used link: " << report.topLink << " (" << report.topLinkUse << " chains)\n"
              << "most-used word: " << report.topWord << " (" << report.topWordUse << " chains)\n"
              << "broken rules: " << report.problems.size() << '\n';
    return report.ok() ? 0 : 1;
}
