#include "platform/SystemError.h"

#include <cerrno>
#include <cstring>
#include "common/qxTranslate.h"

int LastSystemErrorCode() { return errno; }

std::string SystemErrorText(int code)
{
    char buffer[256];
    // The GNU strerror_r may return a static text instead of filling the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    std::string result = TrimErrorText(text ? text : "");
    return result.empty() ? Fill(Tx("SystemError", "System error %1"), {std::to_string(code)}) : result;
}
