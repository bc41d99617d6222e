#include <string>

#include "adapters/o_AdapterInformation.h"

std::string IPHelperErrorText(std::uint32_t Code) {
    wchar_t buffer[256];
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, Code, 0,
                                    buffer, 256, nullptr);
    while (length > 0 && (buffer[length - 1] <= L' ' || buffer[length - 1] == L'.'))
        --length;
    if (length == 0)
        return "System error " + std::to_string(Code);
    const int wide = static_cast<int>(length);
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, buffer, wide, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, buffer, wide, text.data(), bytes, nullptr, nullptr);
    return text;
}
