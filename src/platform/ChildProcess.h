#pragma once
// The thin OS seam under ExecuteAndWait: one started child process with its
// output pipe. ChildProcess_linux.cpp / ChildProcess_windows.cpp implement it.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class ChildProcess {
public:
    // Starts the command line; on failure returns null and sets errorCode to the system's number.
    static std::unique_ptr<ChildProcess> Start(std::string_view commandLine, std::uint16_t showWindow,
                                               int& errorCode);
    // Starts the program with administrator rights (Windows: ShellExecuteExW, verb "runas",
    // hidden; the system asks the user once). whileAsking is called while the system asks,
    // so a window keeps answering. On failure returns null and sets errorCode:
    // kElevationRefused (platform/Elevation.h) when the user refused. Other systems have
    // no such start: ENOTSUP.
    static std::unique_ptr<ChildProcess> StartElevated(const std::string& program, const std::string& parameters,
                                                       const std::function<void()>& whileAsking, int& errorCode);
    // Kills a process that is still running and waits for it, then frees everything.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits up to slice for the process to end, collecting output meanwhile; true once it has ended.
    bool Wait(std::chrono::milliseconds slice);
    // Kills the process (and on Linux its process group) and waits until it has ended.
    void Kill();
    // Valid after Wait returned true or after Kill.
    std::uint32_t ExitCode() const;
    // Output collected so far as UTF-8 (none from a program started elevated, which writes where it chooses) (from at most kMaxOutput bytes; the rest is read and dropped).
    // Windows' console programs write in the OEM code page, which is converted here.
    std::string Output() const;

    static constexpr std::size_t kMaxOutput = 64 * 1024;

    struct Impl;

private:
    explicit ChildProcess(std::unique_ptr<Impl> impl);
    void Keep(const char* data, std::size_t size);

    std::unique_ptr<Impl> impl_;
    std::string output_;
};
