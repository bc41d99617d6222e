#pragma once
// Reading dotted IPv4 address texts: the address control's own check, and the
// stricter forms a stored IP set must have so that netsh accepts it.
#include <array>
#include <cstdint>
#include <string_view>

struct TIPAddressParse {
    std::int32_t DotCount = 0;
    // 1-based positions of the first three dots; 0 where the text has fewer.
    std::array<std::int32_t, 3> DotIndex{};
    // A part that is no integer reads as 256, so it is out of range like any other.
    std::array<std::int32_t, 4> Parts{};

    // Exactly three dots and four parts from 0 to 255.
    bool Valid() const;
};

// Counts every "." of text into DotCount and records where the first three are.
void CountDots(std::string_view text, TIPAddressParse& parse);

// Splits text at its first three dots and reads each part with TryStrToInt, so
// leading blanks, a sign and hexadecimal forms count as numbers.
TIPAddressParse ParseIP(std::string_view text);

// Four decimal parts of one to three digits, each up to 255, and nothing else.
bool IsDottedAddress(std::string_view text);

// A dotted address whose one bits run unbroken from the top (255.255.0.0, not 255.0.255.0).
bool IsContiguousMask(std::string_view text);
