#pragma once
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// The score_op helper run as a child process. Its path comes from the build.
class ScoreOpProcess {
public:
    // Starts the helper with the arguments. With signalReady the helper
    // writes one byte on a pipe just before its operation starts; with
    // holdStdin its standard input is a pipe that release() writes to.
    ScoreOpProcess(const std::vector<std::string>& args, bool signalReady, bool holdStdin = false)
    {
        int ready[2] = {-1, -1};
        int input[2] = {-1, -1};
        if (signalReady && ::pipe2(ready, O_CLOEXEC) != 0)
            return;
        if (holdStdin && ::pipe2(input, O_CLOEXEC) != 0)
            return;
        std::vector<std::string> argv{LEXILOOP_SCORE_OP};
        if (signalReady)
            argv.insert(argv.end(), {"--ready-fd", "3"});
        argv.insert(argv.end(), args.begin(), args.end());
        m_pid = ::fork();
        if (m_pid == 0) {
            if (signalReady)
                ::dup2(ready[1], 3); // dup2 clears close-on-exec on the copy
            if (holdStdin)
                ::dup2(input[0], 0);
            std::vector<char*> raw;
            for (auto& a : argv)
                raw.push_back(a.data());
            raw.push_back(nullptr);
            ::execv(raw[0], raw.data());
            ::_exit(127);
        }
        if (signalReady) {
            ::close(ready[1]);
            m_ready = ready[0];
        }
        if (holdStdin) {
            ::close(input[0]);
            m_input = input[1];
        }
    }
    ~ScoreOpProcess()
    {
        if (m_pid > 0 && !m_reaped) {
            ::kill(m_pid, SIGKILL);
            wait();
        }
        if (m_ready >= 0)
            ::close(m_ready);
        if (m_input >= 0)
            ::close(m_input);
    }
    ScoreOpProcess(const ScoreOpProcess&) = delete;
    ScoreOpProcess& operator=(const ScoreOpProcess&) = delete;

    bool started() const { return m_pid > 0; }
    // True once the helper has said its operation begins.
    bool awaitReady()
    {
        char byte = 0;
        return m_ready >= 0 && ::read(m_ready, &byte, 1) == 1;
    }
    void release()
    {
        const char byte = 'g';
        (void)!::write(m_input, &byte, 1);
    }
    void kill() { ::kill(m_pid, SIGKILL); }
    // The wait status of the helper.
    int wait()
    {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_reaped = true;
        return status;
    }

private:
    pid_t m_pid = -1;
    int m_ready = -1;
    int m_input = -1;
    bool m_reaped = false;
};
