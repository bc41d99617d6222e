// The system's version-information calls, as they are.
#include "controls/o_FileInfoOS.h"

#include <windows.h>

#include "platform/WideText.h"

namespace FileInfoOS {

std::int32_t VersionInfoSize(const std::string& fileName, std::uint32_t& handle)
{
    DWORD h = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(Utf8ToWide(fileName).c_str(), &h);
    handle = h;
    return static_cast<std::int32_t>(size);
}

bool VersionInfoCopy(const std::string& fileName, std::uint32_t handle, std::int32_t size, void* buffer)
{
    return ::GetFileVersionInfoW(Utf8ToWide(fileName).c_str(), handle, static_cast<DWORD>(size), buffer) != 0;
}

bool QueryTranslation(const void* buffer, std::uint32_t& translation)
{
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(buffer, L"\\VarFileInfo\\Translation", &value, &length) || !value || length < 4)
        return false;
    const auto* words = static_cast<const WORD*>(value);
    translation = static_cast<std::uint32_t>(words[0]) | (static_cast<std::uint32_t>(words[1]) << 16);
    return true;
}

bool QueryString(const void* buffer, const std::string& subBlock, std::string& value)
{
    void* text = nullptr;
    UINT length = 0;  // in characters
    if (!::VerQueryValueW(buffer, Utf8ToWide(subBlock).c_str(), &text, &length) || !text)
        return false;
    // The value is NUL-ended; the length may or may not count that NUL.
    std::wstring_view wide(static_cast<const wchar_t*>(text), length);
    if (const std::size_t end = wide.find(L'\0'); end != std::wstring_view::npos)
        wide = wide.substr(0, end);
    value = WideToUtf8(wide);
    return true;
}

bool FileExists(const std::string& fileName)
{
    const DWORD attributes = ::GetFileAttributesW(Utf8ToWide(fileName).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExecutablePath()
{
    for (DWORD capacity = MAX_PATH;; capacity *= 2) {
        std::wstring path(capacity, L'\0');
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), capacity);
        if (length == 0)
            return {};
        if (length < capacity)
            return WideToUtf8(std::wstring_view(path).substr(0, length));
    }
}

}  // namespace FileInfoOS
