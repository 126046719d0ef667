// Performs one score-file operation, or a run of rounds, in a process of its
// own, so that the fault tests can kill it at any moment or starve it of disk.
//
//   score_op [--fsize N] [--ready-fd FD] [--repeat K] FILE OP NAME [SCORE]
//   score_op rounds FILE WHO COUNT   (waits for one byte on stdin, then plays)
//
// Exit status: 0 done, 2 the operation reported an error, 1 bad arguments.
#include "players/ScoreFile.h"
#include "tests/faults/RoundSchedule.h"
#include "tests/faults/ScoreModel.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int fail(const std::string& error)
{
    std::fprintf(stderr, "score_op: %s\n", error.c_str());
    return 2;
}

int runOne(const std::string& path, scoremodel::Op op, const std::string& name, int32_t score)
{
    ScoreFile file(path);
    std::string error;
    switch (op) {
    case scoremodel::Op::Add: error = file.findOrAdd(name).error; break;
    case scoremodel::Op::Advance: error = file.advance(name).error; break;
    case scoremodel::Op::Finish: error = file.recordFinishedRound(name, score).error; break;
    case scoremodel::Op::Quit: error = file.recordQuitRound(name).error; break;
    case scoremodel::Op::Sort: error = file.sortByAverage().error; break;
    case scoremodel::Op::List: error = file.listRecords().error; break;
    case scoremodel::Op::Remove: error = file.remove().error; break;
    }
    return error.empty() ? 0 : fail(error);
}

int runRounds(const std::string& path, const std::string& who, int count)
{
    char go = 0;
    if (::read(0, &go, 1) != 1)
        return 1;
    ScoreFile file(path);
    for (int i = 0; i < count; ++i) {
        const ScheduledRound round = scheduledRound(who, i);
        const std::string error = round.quit ? file.recordQuitRound(round.name).error
                                             : file.recordFinishedRound(round.name, round.score).error;
        if (!error.empty())
            return fail(error);
        if (round.sortAfter && !file.sortByAverage().ok())
            return fail("sort failed");
    }
    return 0;
}

// A file may not grow past the limit; writes beyond it fail with EFBIG
// instead of killing the process, as on a disk that has filled up.
void limitFileSize(long limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit rl{};
    ::getrlimit(RLIMIT_FSIZE, &rl);
    rl.rlim_cur = rlim_t(limit);
    ::setrlimit(RLIMIT_FSIZE, &rl);
}

} // namespace

int main(int argc, char** argv)
{
    int arg = 1;
    int readyFd = -1;
    int repeat = 1;
    while (arg + 1 < argc && argv[arg][0] == '-') {
        const std::string flag = argv[arg];
        if (flag == "--fsize")
            limitFileSize(std::atol(argv[arg + 1]));
        else if (flag == "--ready-fd")
            readyFd = std::atoi(argv[arg + 1]);
        else if (flag == "--repeat")
            repeat = std::atoi(argv[arg + 1]);
        else
            return 1;
        arg += 2;
    }
    if (argc - arg == 4 && std::string(argv[arg]) == "rounds")
        return runRounds(argv[arg + 1], argv[arg + 2], std::atoi(argv[arg + 3]));
    scoremodel::Op op{};
    if (argc - arg < 3 || !scoremodel::parseOp(argv[arg + 1], op))
        return 1;
    const int32_t score = argc - arg > 3 ? int32_t(std::atol(argv[arg + 3])) : 0;
    // Tell the killer that start-up is over and the operation begins now.
    if (readyFd >= 0) {
        const char byte = 'r';
        (void)!::write(readyFd, &byte, 1);
        ::close(readyFd);
    }
    for (int i = 0; i < repeat; ++i)
        if (const int status = runOne(argv[arg], op, argv[arg + 2], score); status != 0)
            return status;
    return 0;
}
