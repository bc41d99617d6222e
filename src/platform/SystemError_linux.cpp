#include "platform/SystemError.h"

#include <cerrno>
#include <cstring>

int LastSystemErrorCode() { return errno; }

std::string SystemErrorText(int code)
{
    char buffer[256];
    // The GNU strerror_r may return a static text instead of filling the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    std::string result = TrimErrorText(text ? text : "");
    return result.empty() ? "System error " + std::to_string(code) : result;
}
