#pragma once
#include <cstdint>
#include <string>

// The rounds each copy of the game records in the concurrency test. Both
// copies and the test that checks the totals work from this one schedule.
struct ScheduledRound {
    std::string name;
    bool quit = false;
    int32_t score = 0;
    bool sortAfter = false; // open the scores window, which rewrites the file
};

inline const char* sharedPlayer() { return "Both"; }

inline ScheduledRound scheduledRound(const std::string& who, int i)
{
    ScheduledRound r;
    r.name = i % 2 == 0 ? sharedPlayer() : who;
    r.quit = i % 5 == 4;
    r.score = r.quit ? 0 : (i * 37 + int(who.size()) * 11) % 1001;
    r.sortAfter = i % 10 == 9;
    return r;
}
