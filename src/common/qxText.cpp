#include "common/qxText.h"

#include "common/qxError.h"
#include "common/qxTranslate.h"

namespace {
bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }
}

std::string TrimLeft(std::string_view text)
{
    std::size_t b = 0;
    while (b < text.size() && IsTrimmed(text[b]))
        ++b;
    return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text)
{
    std::size_t e = text.size();
    while (e > 0 && IsTrimmed(text[e - 1]))
        --e;
    return std::string(text.substr(0, e));
}

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

bool IsBlank(std::string_view text)
{
    for (char c : text)
        if (!IsTrimmed(c))
            return false;
    return true;
}

std::optional<std::int32_t> TryStrToInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;

    // Magnitude limit: 2^31 for a negative value, 2^31 - 1 otherwise.
    const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(signedValue);
}

std::int32_t StrToInt(std::string_view text)
{
    if (auto v = TryStrToInt(text))
        return *v;
    throw EqxError(Fill(Tx("qxText", "'%1' is not a valid integer value"), {text}));
}

const char* BoolToStr(bool value) { return value ? "True" : "False"; }

std::string FormatS(std::string_view format, std::string_view value)
{
    const auto pos = format.find("%s");
    if (pos == std::string_view::npos)
        return std::string(format);
    std::string out;
    out.reserve(format.size() + value.size());
    out.append(format.substr(0, pos)).append(value).append(format.substr(pos + 2));
    return out;
}
