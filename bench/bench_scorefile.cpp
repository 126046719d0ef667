#include "BenchSupport.h"

#include "players/ScoreFile.h"

#include <cstdio>

// Times the players-file work of one Accept (find or add, then advance) and
// of opening the scores table (sort, then list) for small to huge files.
namespace {

void check(bool ok, const std::string& error)
{
    if (!ok) {
        std::fprintf(stderr, "failed: %s\n", error.c_str());
        std::exit(1);
    }
}

void benchSize(const std::string& folder, int players)
{
    const std::string path = folder + "/zorvsco.dat";
    ScoreFile file(path);
    const int runs = players >= 100000 ? 7 : 21;
    const auto fresh = [&] { bench::writePlayers(path, players); };

    const std::string last = bench::playerName(players - 1);
    const double known = bench::medianMs(runs, fresh, [&] {
        auto r = file.findOrAdd(last);
        check(r.ok(), r.error);
        auto a = file.advance(last);
        check(a.ok(), a.error);
    });
    const double added = bench::medianMs(runs, fresh, [&] {
        auto r = file.findOrAdd("Newcomer");
        check(r.ok(), r.error);
        auto a = file.advance("Newcomer");
        check(a.ok(), a.error);
    });
    std::size_t listed = 0;
    const double unsorted = bench::medianMs(runs, fresh, [&] {
        auto s = file.sortByAverage();
        check(s.ok(), s.error);
        auto l = file.listRecords();
        check(l.ok(), l.error);
        listed = l.value->size();
    });
    const double sorted = bench::medianMs(runs, [] {}, [&] {
        auto s = file.sortByAverage();
        check(s.ok(), s.error);
        auto l = file.listRecords();
        check(l.ok(), l.error);
    });
    std::printf("%7d players  accept known %8.2f ms  accept new %8.2f ms  "
                "sort+list %8.2f ms  (already sorted %8.2f ms, %zu listed)\n",
                players, known, added, unsorted, sorted, listed);
}

} // namespace

int main()
{
    const std::string folder = bench::scratchFolder();
    for (int players : {10, 1000, 100000})
        benchSize(folder, players);
    std::filesystem::remove_all(folder);
    return 0;
}
