#include "platform/Elevation.h"

#include "platform/WideText.h"

#include <atomic>
#include <windows.h>

bool ProcessIsElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool elevated = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
                          elevation.TokenIsElevated != 0;
    CloseHandle(token);
    return elevated;
}

struct ReportFile::Impl {
    HANDLE file = INVALID_HANDLE_VALUE;
    std::wstring path;
};

std::unique_ptr<ReportFile> ReportFile::Create(int& errorCode)
{
    // The user's temporary folder: only this user (and administrators) may make files there.
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        errorCode = static_cast<int>(length == 0 ? GetLastError() : ERROR_BUFFER_OVERFLOW);
        return nullptr;
    }
    static std::atomic<unsigned> counter{0};
    auto impl = std::make_unique<Impl>();
    for (int attempt = 0; attempt < 16; ++attempt) {
        impl->path = std::wstring(folder) + L"netvane-apply-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++) + L".tmp";
        // CREATE_NEW: a file someone else put there first is never taken for ours.
        // No FILE_SHARE_DELETE: nobody removes or renames it while it is open.
        impl->file = CreateFileW(impl->path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (impl->file != INVALID_HANDLE_VALUE) {
            errorCode = 0;
            std::string path = WideToUtf8(impl->path);
            return std::unique_ptr<ReportFile>(new ReportFile(std::move(impl), std::move(path)));
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    errorCode = static_cast<int>(GetLastError());
    return nullptr;
}

ReportFile::ReportFile(std::unique_ptr<Impl> impl, std::string path) : impl_(std::move(impl)), path_(std::move(path))
{
}

ReportFile::~ReportFile()
{
    CloseHandle(impl_->file);
    DeleteFileW(impl_->path.c_str());
}

std::optional<std::string> ReportFile::Read(std::size_t maxBytes) const
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(impl_->file, &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return std::nullopt;
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(impl_->file, start, nullptr, FILE_BEGIN))
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD got = 0;
        if (!ReadFile(impl_->file, text.data() + done, static_cast<DWORD>(text.size() - done), &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        done += got;
    }
    text.resize(done);
    return text;
}
