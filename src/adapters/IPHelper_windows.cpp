#include "adapters/IPHelper.h"
#include "platform/WideText.h"

// The library's fixed fields are in the system's ANSI code page; the program speaks UTF-8.
std::string DecodeAnsi(const char* Text, std::size_t Length) {
    if (Length == 0)
        return std::string();
    const int bytes = static_cast<int>(Length);
    const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, Text, bytes, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, Text, bytes, wide.data(), wideLength);
    return WideToUtf8(wide);
}
