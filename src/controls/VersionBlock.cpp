#include "controls/VersionBlock.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace {

constexpr std::string_view kMagic{"QXVERINFO1\0", 11};

// Calls use(path, value) for each pair; false when the block is malformed.
bool ForEachPair(std::string_view block, const std::function<bool(std::string_view, std::string_view)>& use)
{
    if (block.substr(0, kMagic.size()) != kMagic)
        return false;
    std::string_view rest = block.substr(kMagic.size());
    // Takes one NUL-ended text off the front of rest.
    const auto take = [&rest](std::string_view& text) {
        const std::size_t end = rest.find('\0');
        if (end == std::string_view::npos)
            return false;
        text = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        return true;
    };
    while (!rest.empty()) {
        std::string_view path, value;
        if (!take(path))
            return false;
        if (path.empty())
            return true;  // the end mark; the section's padding may follow
        if (!take(value))
            return false;
        if (!use(path, value))
            return true;
    }
    return true;
}

bool SamePath(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

bool VersionBlockWellFormed(std::string_view block)
{
    return ForEachPair(block, [](std::string_view, std::string_view) { return true; });
}

std::optional<std::string_view> VersionBlockValue(std::string_view block, std::string_view path)
{
    // Checked whole first: a value found before the damage is no more trustworthy than the rest.
    if (!VersionBlockWellFormed(block))
        return std::nullopt;
    std::optional<std::string_view> found;
    ForEachPair(block, [&](std::string_view key, std::string_view value) {
        // Paths are matched as the system matches them: without regard to letter case.
        if (!SamePath(key, path))
            return true;
        found = value;
        return false;
    });
    return found;
}
