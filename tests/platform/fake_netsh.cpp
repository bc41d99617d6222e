// Stands in for netsh in tests: appends what it received to a log and behaves as
// told by its environment, so a test can check exact arguments and every outcome.
//   NETVANE_FAKE_NETSH_LOG        file to append records to ("key=value", each ended by a NUL)
//   NETVANE_FAKE_NETSH_EXIT       exit code (default 0)
//   NETVANE_FAKE_NETSH_SLEEP_MS   time to sleep before exiting
//   NETVANE_FAKE_NETSH_STDOUT     text for standard output
//   NETVANE_FAKE_NETSH_STDERR     text for standard error
//   NETVANE_FAKE_NETSH_BYTES      this many extra bytes of "x" on standard output
// Records: "begin=<pid>", "arg=<argument>" for each argument after the program
// name, platform details (see fake_netsh_*.cpp), and "end=<pid>" just before exiting.
#include "platform/FakeNetshDetails.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {
std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

void Record(const std::string& key, const std::string& value)
{
    const std::string log = Env("NETVANE_FAKE_NETSH_LOG");
    if (log.empty())
        return;
    if (FILE* file = std::fopen(log.c_str(), "ab")) {
        const std::string record = key + "=" + value;
        std::fwrite(record.c_str(), 1, record.size() + 1, file);
        std::fclose(file);
    }
}
}

int main(int argc, char** argv)
{
    const std::string pid = std::to_string(FakeNetshProcessId());
    Record("begin", pid);
    for (const std::string& arg : FakeNetshArguments(argc, argv))
        Record("arg", arg);
    for (const auto& [key, value] : FakeNetshPlatformDetails())
        Record(key, value);

    const std::string out = FakeNetshConsoleText("NETVANE_FAKE_NETSH_STDOUT");
    const std::string err = FakeNetshConsoleText("NETVANE_FAKE_NETSH_STDERR");
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    std::fflush(stderr);
    if (const std::string bytes = Env("NETVANE_FAKE_NETSH_BYTES"); !bytes.empty()) {
        const std::string block(4096, 'x');
        for (long left = std::atol(bytes.c_str()); left > 0; left -= static_cast<long>(block.size()))
            std::fwrite(block.data(), 1, std::min<std::size_t>(block.size(), static_cast<std::size_t>(left)), stdout);
        std::fflush(stdout);
    }
    if (const std::string sleep = Env("NETVANE_FAKE_NETSH_SLEEP_MS"); !sleep.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(sleep.c_str())));

    Record("end", pid);
    return std::atoi(Env("NETVANE_FAKE_NETSH_EXIT").c_str());
}
