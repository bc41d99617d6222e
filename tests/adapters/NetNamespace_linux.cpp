#include "NetNamespace_linux.h"

#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>

extern char** environ;

int RunProgram(const std::vector<std::string>& Arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : Arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // The tools' chatter stays out of the test log; their errors do not.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string WhyNoNamespaces() {
    if (geteuid() != 0)
        return "network namespaces need root";
    if (RunProgram({"ip", "-V"}) != 0)
        return "the ip tool (iproute2) is missing";
    return "";
}

TNetNamespace::TNetNamespace() {
    static std::atomic<int> counter{0};
    FName = "nvad" + std::to_string(getpid()) + "x" + std::to_string(counter++);
    FOk = RunProgram({"ip", "netns", "add", FName}) == 0;
}

TNetNamespace::~TNetNamespace() {
    if (FOk)
        RunProgram({"ip", "netns", "del", FName});
}

bool TNetNamespace::Ip(const std::vector<std::string>& Arguments) const {
    std::vector<std::string> command{"ip", "-n", FName};
    command.insert(command.end(), Arguments.begin(), Arguments.end());
    return RunProgram(command) == 0;
}

bool TNetNamespace::Run(const std::function<void()>& Work) const {
    bool entered = false;
    std::thread worker([&] {
        const int fd = open(("/run/netns/" + FName).c_str(), O_RDONLY | O_CLOEXEC);
        entered = fd >= 0 && setns(fd, CLONE_NEWNET) == 0;
        if (fd >= 0)
            close(fd);
        if (entered)
            Work();
    });
    worker.join();
    return entered;
}
