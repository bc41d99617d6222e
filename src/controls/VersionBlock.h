#pragma once
// The version block the build writes into a Linux executable: "QXVERINFO1\0",
// then pairs of NUL-ended texts (a sub-block path, then its value), ended by an
// empty path or by the block's end. The block comes from a file that may be
// damaged or altered, so every read stays inside it.
#include <optional>
#include <string_view>

// The value stored under path (letter case aside). Empty when the path is not
// there or the block is malformed anywhere: a damaged block has no values at all.
std::optional<std::string_view> VersionBlockValue(std::string_view block, std::string_view path);

// True when the block has the magic and every path and value ends with a NUL inside it.
bool VersionBlockWellFormed(std::string_view block);
