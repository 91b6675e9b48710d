#include "platform/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace tabulex::platform {
namespace {

// What the child gets: its arguments and environment prepared before the fork, as only
// async-signal-safe calls may run between fork and exec in a process with threads.
struct ChildSetup {
    std::vector<char*> argv;
    std::vector<std::string> environment;
    std::vector<char*> envp;
    std::string logPath;
    std::uint64_t memoryBytes = 0;
};

[[noreturn]] void ExecChild(const ChildSetup& setup) {
    ::setpgid(0, 0);  // its own process group, killed whole on timeout or stop
    const rlimit memory{setup.memoryBytes, setup.memoryBytes};
    ::setrlimit(RLIMIT_AS, &memory);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (int sig : {SIGPIPE, SIGCHLD, SIGINT, SIGTERM, SIGHUP, SIGXFSZ}) ::sigaction(sig, &defaults, nullptr);
    const int in = ::open("/dev/null", O_RDONLY);
    const int log = ::open(setup.logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || log < 0 || ::dup2(in, 0) < 0 || ::dup2(log, 1) < 0 || ::dup2(log, 2) < 0) ::_exit(126);
    ::execve(setup.argv[0], setup.argv.data(), setup.envp.data());
    ::_exit(127);
}

bool Replaced(std::string_view entry, const std::vector<std::pair<std::string, std::string>>& variables) {
    for (const auto& [name, value] : variables)
        if (entry.size() > name.size() && entry.starts_with(name) && entry[name.size()] == '=') return true;
    return false;
}

ChildSetup Prepare(const std::vector<std::string>& args,
                   const std::vector<std::pair<std::string, std::string>>& variables,
                   const std::string& logPath, const ChildLimits& limits) {
    ChildSetup setup;
    for (const std::string& a : args) setup.argv.push_back(const_cast<char*>(a.c_str()));
    setup.argv.push_back(nullptr);
    for (char** e = environ; *e; ++e)
        if (!Replaced(*e, variables)) setup.environment.emplace_back(*e);
    for (const auto& [name, value] : variables) setup.environment.push_back(name + "=" + value);
    for (std::string& e : setup.environment) setup.envp.push_back(e.data());
    setup.envp.push_back(nullptr);
    setup.logPath = logPath;
    setup.memoryBytes = limits.MemoryBytes;
    return setup;
}

std::string Describe(int status) {
    if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

}  // namespace

ChildOutcome RunChild(const std::vector<std::string>& args,
                      const std::vector<std::pair<std::string, std::string>>& variables,
                      const std::string& logPath, const ChildLimits& limits) {
    const ChildSetup setup = Prepare(args, variables, logPath, limits);
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) ExecChild(setup);
    ::setpgid(pid, pid);  // also from here: the group exists before the first kill

    ChildOutcome outcome;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + limits.Timeout;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        // ECHILD: the host ignores SIGCHLD and the child was reaped for it; its output tells the rest.
        if (done < 0 && errno == ECHILD) break;
        if (done < 0 && errno != EINTR)
            throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
        outcome.Stopped = limits.Stop && limits.Stop->load();
        if (outcome.Stopped || std::chrono::steady_clock::now() >= deadline) {
            outcome.TimedOut = !outcome.Stopped;
            ::kill(-pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(-pid, SIGKILL);  // helpers the program may have left behind in its group
    outcome.Succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    outcome.Description = Describe(status);
    return outcome;
}

}  // namespace tabulex::platform
