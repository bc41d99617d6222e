#include "platform/SystemError.h"

std::string TrimErrorText(std::string text)
{
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}
