#include "platform/RegularFile.h"

#include <windows.h>

#include <algorithm>

#include "platform/SystemError.h"
#include "platform/WideText.h"

namespace {

TFileRead Failed(TFileRead::TResult result)
{
    TFileRead read;
    read.Result = result;
    if (result == TFileRead::TResult::CannotOpen || result == TFileRead::TResult::CannotRead)
        read.Error = SystemErrorText(static_cast<int>(GetLastError()));
    return read;
}

}  // namespace

TFileRead ReadRegularFile(const std::string& path, std::size_t limit)
{
    const std::wstring name = Utf8ToWide(path);
    // A folder would fail to open with "access denied": say what it is instead.
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Failed(TFileRead::TResult::NotARegularFile);
    // A pipe without a server fails here at once; one with a server, and a device, open and are refused below.
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Failed(TFileRead::TResult::CannotOpen);
    TFileRead read;
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK) {
        read.Result = TFileRead::TResult::NotARegularFile;
    } else if (!GetFileSizeEx(file, &size)) {
        read = Failed(TFileRead::TResult::CannotRead);
    } else if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        read.Result = TFileRead::TResult::TooLarge;
    } else {
        read = ReadUpTo(static_cast<std::size_t>(size.QuadPart), limit, [file](char* buffer, std::size_t room) {
            DWORD got = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(room, 1u << 20));
            return ReadFile(file, buffer, chunk, &got, nullptr) ? static_cast<long long>(got) : -1LL;
        });
    }
    CloseHandle(file);
    return read;
}
