#include "netsh/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace netsh {

namespace {

// Closes a descriptor once, whichever way the function leaves.
struct Fd {
    int Value = -1;
    ~Fd() { Close(); }
    void Close()
    {
        if (Value >= 0)
            ::close(Value);
        Value = -1;
    }
};

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& overrides)
{
    std::vector<std::string> merged;
    for (char** e = environ; e && *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool overridden = false;
        for (const std::string& o : overrides)
            overridden = overridden || o.compare(0, name.size(), name) == 0;
        if (!overridden)
            merged.push_back(entry);
    }
    merged.insert(merged.end(), overrides.begin(), overrides.end());
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& t : texts)
        pointers.push_back(t.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads both pipes until both are closed; reading one at a time could block the
// child on the other one's full buffer.
void Collect(Fd& out, Fd& err, ProcessResult& result)
{
    char buffer[4096];
    while (out.Value >= 0 || err.Value >= 0) {
        pollfd fds[2] = {{out.Value, POLLIN, 0}, {err.Value, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        for (int i = 0; i < 2; ++i) {
            Fd& fd = i == 0 ? out : err;
            if (fd.Value < 0 || fds[i].revents == 0)
                continue;
            const ssize_t n = ::read(fd.Value, buffer, sizeof buffer);
            if (n > 0)
                (i == 0 ? result.Out : result.Err).append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                fd.Close();
        }
    }
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    ProcessResult result;
    if (argv.empty()) {
        result.Err = "no program given";
        return result;
    }
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0) {
        result.Err = std::strerror(errno);
        return result;
    }
    Fd outRead{outPipe[0]}, outWrite{outPipe[1]};
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        result.Err = std::strerror(errno);
        return result;
    }
    Fd errRead{errPipe[0]}, errWrite{errPipe[1]};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outWrite.Value, 1);
    posix_spawn_file_actions_adddup2(&actions, errWrite.Value, 2);

    std::vector<std::string> args = argv;
    std::vector<std::string> environment = MergedEnvironment(env);
    std::vector<char*> argp = Pointers(args);
    std::vector<char*> envp = Pointers(environment);
    pid_t pid = 0;
    const int spawnError = ::posix_spawnp(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) {
        result.Err = argv[0] + ": " + std::strerror(spawnError);
        return result;
    }
    result.Started = true;
    outWrite.Close();
    errWrite.Close();
    Collect(outRead, errRead, result);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace netsh
