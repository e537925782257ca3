#pragma once

#include <cerrno>
#include <functional>
#include <system_error>

#include <sys/wait.h>
#include <unistd.h>

// Runs a piece of a test in a process of its own, which may lower its limits, hold a lock or
// be killed without harm to the test; its exit code tells what it found.
namespace tenvik::testing {

class ChildProcess {
public:
    explicit ChildProcess(const std::function<int()>& body)
    {
        m_pid = ::fork();
        if (m_pid < 0)
            throw std::system_error(errno, std::generic_category(), "fork");
        if (m_pid == 0) {
            int code = 1;
            try {
                code = body();
            } catch (...) {
                code = 99;
            }
            ::_exit(code);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { Kill(); }

    // The wait status once the process has ended on its own.
    int Wait()
    {
        int status = 0;
        if (m_pid > 0) {
            ::waitpid(m_pid, &status, 0);
            m_pid = -1;
        }
        return status;
    }
    int Kill()
    {
        if (m_pid > 0)
            ::kill(m_pid, SIGKILL);
        return Wait();
    }

private:
    pid_t m_pid = -1;
};

// "exit code 0", "exit code 3", "killed by signal 6"
inline std::string Ending(int status)
{
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "exit code " + std::to_string(WEXITSTATUS(status));
}

} // namespace tenvik::testing
