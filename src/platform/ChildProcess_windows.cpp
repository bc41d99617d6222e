#include "platform/ChildProcess.h"

#include "platform/WideText.h"

#include <algorithm>
#include <windows.h>

namespace {
// Closes its handle on every path, so no error path leaks one.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~Handle() { Reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle& operator=(Handle&& other) noexcept
    {
        Reset();
        std::swap(handle_, other.handle_);
        return *this;
    }
    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset()
    {
        if (handle_)
            CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

constexpr DWORD kPipeSize = 64 * 1024;
}

struct ChildProcess::Impl {
    Handle process;
    Handle output;    // read end of the child's stdout/stderr pipe
    bool ended = false;
    DWORD exitCode = 0;
};

std::unique_ptr<ChildProcess> ChildProcess::Start(std::string_view commandLine, std::uint16_t showWindow,
                                                  int& errorCode)
{
    // CreateProcessW may write into the line, so it gets its own buffer, as long as the line needs.
    std::wstring line = Utf8ToWide(commandLine);
    errorCode = 0;

    // Only the child's ends are inheritable; the read end stays ours alone.
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, kPipeSize)) {
        errorCode = static_cast<int>(GetLastError());
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->output = Handle(readEnd);
    Handle childOutput(writeEnd);
    Handle childInput(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                  OPEN_EXISTING, 0, nullptr));
    if (!SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0) || !childInput) {
        errorCode = static_cast<int>(GetLastError());
        return nullptr;
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = showWindow;
    startup.hStdInput = childInput.Get();
    startup.hStdOutput = childOutput.Get();
    startup.hStdError = childOutput.Get();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &info)) {
        errorCode = static_cast<int>(GetLastError());
        return nullptr;
    }
    CloseHandle(info.hThread);
    impl->process = Handle(info.hProcess);
    return std::unique_ptr<ChildProcess>(new ChildProcess(std::move(impl)));
}

// Here, where Impl is complete; Kill does nothing for a process that has ended.
ChildProcess::ChildProcess(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ChildProcess::~ChildProcess() { Kill(); }

namespace {
// Reads what the pipe holds now, without blocking; false once the pipe has ended.
template <typename Keep>
bool Drain(HANDLE pipe, Keep keep)
{
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr))
            return false;
        if (available == 0)
            return true;
        DWORD got = 0;
        if (!ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &got, nullptr) || got == 0)
            return false;
        keep(buffer, got);
    }
}
}

bool ChildProcess::Wait(std::chrono::milliseconds slice)
{
    Impl& p = *impl_;
    const auto keep = [this](const char* data, std::size_t size) { Keep(data, size); };
    // An anonymous pipe cannot be waited on, so the output is collected between slices.
    const DWORD waited = WaitForSingleObject(p.process.Get(), static_cast<DWORD>(slice.count()));
    if (p.output && !Drain(p.output.Get(), keep))
        p.output.Reset();
    if (waited != WAIT_OBJECT_0)
        return false;
    p.ended = true;
    GetExitCodeProcess(p.process.Get(), &p.exitCode);
    return true;
}

void ChildProcess::Kill()
{
    Impl& p = *impl_;
    if (p.ended)
        return;
    TerminateProcess(p.process.Get(), 1);
    WaitForSingleObject(p.process.Get(), 5000);
    GetExitCodeProcess(p.process.Get(), &p.exitCode);
    p.ended = true;
}

std::uint32_t ChildProcess::ExitCode() const { return impl_->exitCode; }

std::string ChildProcess::Output() const
{
    if (output_.empty())
        return {};
    const int size = static_cast<int>(output_.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_OEMCP, 0, output_.data(), size, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_OEMCP, 0, output_.data(), size, wide.data(), static_cast<int>(wide.size()));
    return WideToUtf8(wide);
}
