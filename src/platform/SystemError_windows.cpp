#include "platform/SystemError.h"

#include "platform/WideText.h"

#include <windows.h>
#include "common/qxTranslate.h"

int LastSystemErrorCode() { return static_cast<int>(GetLastError()); }

std::string SystemErrorText(int code)
{
    // The system allocates the buffer, so a long text is never cut off.
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                            FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                        nullptr, static_cast<DWORD>(code), 0,
                                        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string result;
    if (length != 0 && buffer)
        result = TrimErrorText(WideToUtf8(std::wstring_view(buffer, length)));
    if (buffer)
        LocalFree(buffer);
    return result.empty() ? Fill(Tx("SystemError", "System error %1"), {std::to_string(code)}) : result;
}
