#pragma once
// Windows only: the system's wide (UTF-16) texts against the program's UTF-8 texts.
#include <string>
#include <string_view>

// Invalid UTF-8 becomes U+FFFD rather than failing: these texts are shown or passed on, not checked.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
