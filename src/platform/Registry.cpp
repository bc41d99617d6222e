#include "platform/Registry.h"

#include <algorithm>

#include "common/qxError.h"
#include "common/qxText.h"
#include "common/qxTranslate.h"

std::string TqxRegistry::ReadString(const std::string& Name)
{
    TValue value;
    if (!ReadValue(Name, value) || value.Data.empty())
        return "";
    if (value.Type != kRegSz && value.Type != kRegExpandSz)
        throw EqxError(Fill(Tx("Registry", "Invalid data type for '%1'"), {Name}));
    return value.Data.substr(0, value.Data.find('\0'));
}

std::string NormalizeKeyPath(const std::string& Path)
{
    const auto first = Path.find_first_not_of('\\');
    if (first == std::string::npos)
        return "";
    return Path.substr(first, Path.find_last_not_of('\\') - first + 1);
}

bool SameKeyName(const std::string& A, const std::string& B)
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return std::equal(A.begin(), A.end(), B.begin(), B.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}
