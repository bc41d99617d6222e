#include "platform/ChildProcess.h"

#include "platform/WideText.h"

#include <algorithm>
#include <thread>
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

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

namespace {
// One request to the shell, made by a thread of its own.
struct ElevatedRequest {
    std::wstring program;
    std::wstring parameters;
    HWND owner = nullptr;
    Handle answered{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HANDLE process = nullptr;
    DWORD error = 0;
};

void AskShell(ElevatedRequest& request)
{
    // The shell may hand the request to COM objects of its own.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = request.owner;
    info.lpVerb = L"runas";
    info.lpFile = request.program.c_str();
    info.lpParameters = request.parameters.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info))
        request.error = GetLastError();
    else if (!info.hProcess)  // handed to a running program: nothing to wait for
        request.error = ERROR_INVALID_HANDLE;
    else
        request.process = info.hProcess;
    if (SUCCEEDED(com))
        CoUninitialize();
    SetEvent(request.answered.Get());
}
}

std::unique_ptr<ChildProcess> ChildProcess::StartElevated(const std::string& program, const std::string& parameters,
                                                          const std::function<void()>& whileAsking, int& errorCode)
{
    ElevatedRequest request;
    request.program = Utf8ToWide(program);
    request.parameters = Utf8ToWide(parameters);
    request.owner = GetActiveWindow();  // the prompt belongs to the window the user is at
    if (!request.answered) {
        errorCode = static_cast<int>(GetLastError());
        return nullptr;
    }
    // The prompt stays up as long as the user takes: asked from a thread of its own,
    // so that the caller's windows keep answering meanwhile.
    std::thread asker([&request] { AskShell(request); });
    try {
        while (WaitForSingleObject(request.answered.Get(), 20) == WAIT_TIMEOUT)
            if (whileAsking)
                whileAsking();
    } catch (...) {
        asker.join();
        if (request.process)
            CloseHandle(request.process);  // started all the same; it goes on by itself
        throw;
    }
    asker.join();
    errorCode = static_cast<int>(request.error);
    if (!request.process)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->process = Handle(request.process);
    return std::unique_ptr<ChildProcess>(new ChildProcess(std::move(impl)));
}
