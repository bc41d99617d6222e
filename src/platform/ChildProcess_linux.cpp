#include "platform/ChildProcess.h"

#include "platform/CommandLine.h"
#include "platform/ProgramFolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <utility>
#include <functional>
#include <vector>

extern char** environ;

namespace {
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd& operator=(Fd&& other) noexcept
    {
        Reset();
        std::swap(fd_, other.fd_);
        return *this;
    }
    int Get() const { return fd_; }
    void Reset()
    {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

bool IsFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Finds the program as Windows would: its name as given when it names a folder,
// else in ProgramSearchFolders' order. Returns an errno value on failure.
int ResolveProgram(const std::string& name, std::string& path)
{
    if (name.empty())
        return ENOENT;
    if (name.find('/') != std::string::npos) {
        path = name;
        return 0;
    }
    const char* searchPath = std::getenv("PATH");
    const std::vector<std::string> folders =
        ProgramSearchFolders(ProgramFolder(), searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin");
    int error = ENOENT;
    for (const std::string& folder : folders) {
        const std::string candidate = folder + "/" + name;
        if (!IsFile(candidate))
            continue;
        if (access(candidate.c_str(), X_OK) == 0) {
            path = candidate;
            return 0;
        }
        error = EACCES;
    }
    return error;
}

// posix_spawn's helper objects, destroyed on every path.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    SpawnSetup()
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
};
}

struct ChildProcess::Impl {
    pid_t pid = -1;
    Fd output;    // read end of the child's stdout/stderr pipe
    Fd pidfd;     // readable once the child has ended; -1 when the kernel has none
    bool ended = false;
    int status = 0;
};

std::unique_ptr<ChildProcess> ChildProcess::Start(std::string_view commandLine, std::uint16_t, int& errorCode)
{
    const std::vector<std::string> args = SplitCommandLine(commandLine);
    std::string program;
    errorCode = args.empty() ? ENOENT : ResolveProgram(args.front(), program);
    if (errorCode != 0)
        return nullptr;

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        errorCode = errno;
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->output = Fd(pipeEnds[0]);
    Fd writeEnd(pipeEnds[1]);

    SpawnSetup setup;
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, writeEnd.Get(), 1);
    posix_spawn_file_actions_adddup2(&setup.actions, writeEnd.Get(), 2);
    // Its own process group, so a time-out can stop whatever it started too;
    // default signal handling and an empty mask, whatever the GUI set for itself.
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setpgroup(&setup.attributes, 0);
    posix_spawnattr_setsigdefault(&setup.attributes, &all);
    posix_spawnattr_setsigmask(&setup.attributes, &none);
    posix_spawnattr_setflags(&setup.attributes,
                             POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    errorCode = posix_spawn(&pid, program.c_str(), &setup.actions, &setup.attributes, argv.data(), environ);
    if (errorCode != 0)
        return nullptr;
    impl->pid = pid;
    writeEnd.Reset();    // so the pipe reports its end once the child's side is gone
    fcntl(impl->output.Get(), F_SETFL, O_NONBLOCK);
    // Through syscall(): glibc 2.36's <sys/pidfd.h> lacks C linkage for C++.
    impl->pidfd = Fd(static_cast<int>(syscall(SYS_pidfd_open, pid, 0)));
    return std::unique_ptr<ChildProcess>(new ChildProcess(std::move(impl)));
}

// Here, where Impl is complete; Kill does nothing for a process that has ended.
ChildProcess::ChildProcess(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ChildProcess::~ChildProcess() { Kill(); }

namespace {
// Reads what the pipe holds now; false once the pipe has ended.
bool Drain(int fd, const std::function<void(const char*, std::size_t)>& keep)
{
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            keep(buffer, static_cast<std::size_t>(got));
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}
}

bool ChildProcess::Wait(std::chrono::milliseconds slice)
{
    Impl& p = *impl_;
    const auto keep = [this](const char* data, std::size_t size) { Keep(data, size); };
    const auto deadline = std::chrono::steady_clock::now() + slice;
    for (;;) {
        const pid_t reaped = waitpid(p.pid, &p.status, WNOHANG);
        if (reaped == p.pid || (reaped < 0 && errno == ECHILD)) {
            // ECHILD: the program ignores SIGCHLD and the system reaped the child; its
            // status is lost, and an unknown outcome must not pass for success.
            if (reaped < 0)
                p.status = 255 << 8;
            p.ended = true;
            // Whatever a grandchild still writes later is not waited for.
            if (p.output.Get() >= 0)
                Drain(p.output.Get(), keep);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watched[2];
        nfds_t count = 0;
        if (p.output.Get() >= 0)
            watched[count++] = {p.output.Get(), POLLIN, 0};
        if (p.pidfd.Get() >= 0)
            watched[count++] = {p.pidfd.Get(), POLLIN, 0};
        // Without a pidfd (old kernels) the end of the child is looked for every few milliseconds.
        const int timeout = p.pidfd.Get() >= 0 ? static_cast<int>(left.count())
                                               : static_cast<int>(std::min<long long>(left.count(), 2));
        poll(watched, count, timeout);
        if (p.output.Get() >= 0 && !Drain(p.output.Get(), keep))
            p.output.Reset();
    }
}

void ChildProcess::Kill()
{
    Impl& p = *impl_;
    if (p.ended)
        return;
    kill(-p.pid, SIGKILL);
    kill(p.pid, SIGKILL);
    while (waitpid(p.pid, &p.status, 0) < 0 && errno == EINTR) {
    }
    p.ended = true;
}

std::string ChildProcess::Output() const { return output_; }

std::uint32_t ChildProcess::ExitCode() const
{
    const int status = impl_->status;
    if (WIFEXITED(status))
        return static_cast<std::uint32_t>(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return 128u + static_cast<std::uint32_t>(WTERMSIG(status));
    return 0;
}

// Applying here never needs it: netsh asks NetworkManager's policy for what it needs.
std::unique_ptr<ChildProcess> ChildProcess::StartElevated(const std::string&, const std::string&,
                                                          const std::function<void()>&, int& errorCode)
{
    errorCode = ENOTSUP;
    return nullptr;
}
