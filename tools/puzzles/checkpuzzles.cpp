// Checks a game-data file against the rules of the puzzle set and prints
// what it uses. Exits 1 when any rule is broken.
//
//   checkpuzzles FILE [--links links.txt] [--graded graded.txt]
//                [--spelling spelling.txt] [--count N] [--max-weak N]
//
// --max-weak is how many links graded WEAK a chain may hold (0 unless
// named); a link graded BAD, or not graded, is never allowed.
//
// With --links, the graded list and the spelling list are looked for beside
// the link list unless named; all three are committed, so no WordNet or
// word list needs to be installed.
#include "tools/puzzles/GradedLinks.h"
#include "tools/puzzles/LinkGraph.h"
#include "tools/puzzles/PuzzleChecker.h"
#include "tools/puzzles/SpellingVariants.h"

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <string>

namespace {

std::string beside(const std::string& path, const std::string& name)
{
    return (std::filesystem::path(path).parent_path() / name).string();
}

int fail(const std::string& message)
{
    std::cerr << "checkpuzzles: " << message << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dataPath, linksPath, gradedPath, spellingPath;
    PuzzleChecker checker;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--links" && i + 1 < argc)
            linksPath = argv[++i];
        else if (arg == "--graded" && i + 1 < argc)
            gradedPath = argv[++i];
        else if (arg == "--spelling" && i + 1 < argc)
            spellingPath = argv[++i];
        else if (arg == "--count" && i + 1 < argc)
            checker.m_expectedRecords = std::stoi(argv[++i]);
        else if (arg == "--max-weak" && i + 1 < argc)
            checker.m_maxWeak = std::stoi(argv[++i]);
        else if (dataPath.empty() && arg.rfind("--", 0) != 0)
            dataPath = arg;
        else
            dataPath.clear(), i = argc;
    }
    if (dataPath.empty()) {
        std::cerr << "usage: checkpuzzles FILE [--links links.txt] [--graded graded.txt]"
                     " [--spelling spelling.txt] [--count N] [--max-weak N]\n";
        return 2;
    }
    std::ifstream in(dataPath, std::ios::binary);
    if (!in)
        return fail("cannot read " + dataPath);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    if (!linksPath.empty()) {
        if (gradedPath.empty())
            gradedPath = beside(linksPath, "graded.txt");
        if (spellingPath.empty())
            spellingPath = beside(linksPath, "spelling.txt");
    }
    std::string error;
    LinkGraph answers;
    GradedLinks graded;
    SpellingVariants spellings;
    PuzzleChecker::Lists lists;
    if (!linksPath.empty()) {
        if (!answers.load(linksPath, error))
            return fail(error);
        lists.answers = &answers;
    }
    if (!gradedPath.empty()) {
        if (!graded.load(gradedPath, error))
            return fail(error);
        lists.graded = &graded;
        // Only whether a link is there counts for answers, not its score.
        for (const auto& [link, verdict] : graded.links())
            if (graded.answer(link.first, link.second))
                answers.addLink(link.first, link.second, 0);
        answers.addPluralAnswers();
        answers.finish();
        lists.answers = &answers;
    }
    if (!spellingPath.empty()) {
        if (!spellings.load(spellingPath, error))
            return fail(error);
        lists.spellings = &spellings;
    }

    auto report = checker.check(bytes, lists);
    for (const auto& p : report.problems)
        std::cout << p << '\n';
    if (lists.graded)
        std::cout << "graded links: " << graded.links().size() << " ("
                  << graded.count(GradedLinks::Verdict::Good) << " GOOD, "
                  << graded.count(GradedLinks::Verdict::Weak) << " WEAK, "
                  << graded.count(GradedLinks::Verdict::Bad) << " BAD)\n";
    if (lists.spellings)
        std::cout << "words spelt two ways: " << spellings.words().size() << '\n';
    std::cout << "records: " << report.records << '\n'
              << "distinct words: " << report.distinctWords << '\n'
              << "distinct links: " << report.distinctLinks << '\n'
              << "most-used link: " << report.topLink << " (" << report.topLinkUse << " chains)\n"
              << "most-used word: " << report.topWord << " (" << report.topWordUse << " chains)\n"
              << "chains refused, by rule:\n";
    for (const auto& rule : PuzzleChecker::rules()) {
        auto it = report.refused.find(rule);
        std::cout << "  " << rule << ": " << (it == report.refused.end() ? 0 : it->second.size()) << '\n';
    }
    if (lists.graded) {
        std::cout << "chains by WEAK links (at most " << checker.m_maxWeak << " allowed):";
        for (const auto& [weak, chains] : report.chainsByWeakLinks)
            std::cout << ' ' << weak << ": " << chains << ';';
        std::cout << "\nGOOD links by quarter of the file:";
        for (const auto& [good, all] : report.goodLinksByQuarter)
            std::cout << ' ' << std::fixed << std::setprecision(1) << (all ? 100.0 * good / all : 0.0)
                      << " % (" << good << "/" << all << ")";
        std::cout << '\n';
    }
    std::cout << "broken rules: " << report.problems.size() << '\n';
    return report.ok() ? 0 : 1;
}
