#include "platform/FakeNetsh.h"

#include "platform/ProgramFolder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {
const char* const kVariables[] = {"NETVANE_FAKE_NETSH_LOG",      "NETVANE_FAKE_NETSH_EXIT",
                                  "NETVANE_FAKE_NETSH_SLEEP_MS", "NETVANE_FAKE_NETSH_STDOUT",
                                  "NETVANE_FAKE_NETSH_STDERR",   "NETVANE_FAKE_NETSH_BYTES"};

std::filesystem::path UniqueLog()
{
    static std::atomic<int> counter{0};
    std::ostringstream name;
    name << "netvane-fake-netsh-" << std::chrono::steady_clock::now().time_since_epoch().count() << "-"
         << counter++ << ".log";
    return std::filesystem::temp_directory_path() / name.str();
}
}

FakeNetsh::FakeNetsh() : log_(UniqueLog())
{
    for (const char* variable : kVariables)
        UnsetEnvironment(variable);
    SetEnvironment("NETVANE_FAKE_NETSH_LOG", log_.string());
}

FakeNetsh::~FakeNetsh()
{
    for (const char* variable : kVariables)
        UnsetEnvironment(variable);
    std::error_code ignored;
    std::filesystem::remove(log_, ignored);
}

void FakeNetsh::SetExitCode(int code) { SetEnvironment("NETVANE_FAKE_NETSH_EXIT", std::to_string(code)); }
void FakeNetsh::SetSleep(std::chrono::milliseconds delay)
{
    SetEnvironment("NETVANE_FAKE_NETSH_SLEEP_MS", std::to_string(delay.count()));
}
void FakeNetsh::SetStdout(const std::string& text) { SetEnvironment("NETVANE_FAKE_NETSH_STDOUT", text); }
void FakeNetsh::SetStderr(const std::string& text) { SetEnvironment("NETVANE_FAKE_NETSH_STDERR", text); }
void FakeNetsh::SetExtraOutputBytes(long count)
{
    SetEnvironment("NETVANE_FAKE_NETSH_BYTES", std::to_string(count));
}

std::vector<std::pair<std::string, std::string>> FakeNetsh::Records() const
{
    std::ifstream file(log_, std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::pair<std::string, std::string>> records;
    std::size_t start = 0;
    for (std::size_t end; (end = all.find('\0', start)) != std::string::npos; start = end + 1) {
        const std::string record = all.substr(start, end - start);
        const std::size_t equals = record.find('=');
        records.emplace_back(record.substr(0, equals), record.substr(equals + 1));
    }
    return records;
}

std::vector<FakeNetshCall> FakeNetsh::Calls() const
{
    std::vector<FakeNetshCall> calls;
    std::map<unsigned long, std::size_t> byPid;
    FakeNetshCall* current = nullptr;
    for (const auto& [key, value] : Records()) {
        if (key == "begin") {
            byPid[std::stoul(value)] = calls.size();
            calls.emplace_back();
            calls.back().Pid = std::stoul(value);
            current = &calls.back();
        } else if (key == "end") {
            calls[byPid.at(std::stoul(value))].Ended = true;
        } else if (current && key == "arg") {
            current->Args.push_back(value);
        } else if (current) {
            current->Details[key] = value;
        }
    }
    return calls;
}

std::vector<std::string> FakeNetsh::Events() const
{
    std::vector<std::string> events;
    for (const auto& [key, value] : Records())
        if (key == "begin" || key == "end")
            events.push_back(key);
    return events;
}

ProcessRunOptions WithoutPause()
{
    ProcessRunOptions options;
    options.Pause = std::chrono::milliseconds(0);
    return options;
}

void RunEveryOutcome(FakeNetsh& netsh, const std::string& notAProgram)
{
    ExecuteAndWait("netsh ok", WithoutPause());
    netsh.SetExitCode(5);
    ExecuteAndWait("netsh failing", WithoutPause());
    ExecuteAndWait("netvane-no-such-program", WithoutPause());
    ExecuteAndWait(notAProgram, WithoutPause());
    netsh.SetSleep(std::chrono::seconds(20));
    ProcessRunOptions limited = WithoutPause();
    limited.TimeLimit = std::chrono::seconds(1);
    if (!ExecuteAndWait("netsh hang", limited).TimedOut)
        throw std::runtime_error("the hanging fake netsh was not stopped");
    netsh.SetSleep(std::chrono::milliseconds(0));
    netsh.SetExitCode(0);
}

std::filesystem::path FakeNetsh::Location()
{
#ifdef _WIN32
    return std::filesystem::path(ProgramFolder()) / "netsh.exe";
#else
    return std::filesystem::path(ProgramFolder()) / "netsh";
#endif
}
