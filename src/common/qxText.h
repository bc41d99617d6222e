#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text helpers shared by every layer. Texts are UTF-8.

// Removes every character up to and including the space (blanks and control
// characters) from both ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// True when nothing is left after Trim.
bool IsBlank(std::string_view text);

// Optional leading blanks, an optional sign, then decimal digits, or hexadecimal
// digits after "$", "x", "X", "0x" or "0X"; nothing else. Fails outside int32.
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// As TryStrToInt, raising "'text' is not a valid integer value" on failure.
std::int32_t StrToInt(std::string_view text);

// Booleans are shown as "True" and "False".
const char* BoolToStr(bool value);

// Puts value in place of the first "%s" of format (no other directives).
std::string FormatS(std::string_view format, std::string_view value);
