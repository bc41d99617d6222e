#pragma once
// What an IP set and a connection may be called and hold, in one place: the IP
// set editor, the connection name list, import, export and apply all check with
// these, so nothing enters the store that applying refuses and no file is
// written that importing refuses.
#include <optional>
#include <string>
#include <string_view>

#include "controls/IPv4Rules.h"

// What a UTF-8 text holds, read once.
struct TTextScan {
    bool Utf8 = true;            // false: not valid UTF-8; the other fields then say nothing
    bool Control = false;        // a C0 or C1 control character or DEL
    bool QuotationMark = false;
    long long Utf16Units = 0;    // its length as Windows counts it
};
TTextScan ScanText(std::string_view text);

// Removes blanks from both ends: control characters, every Unicode space
// (U+00A0, U+3000, ...) and the invisible ones (U+200B, U+2060, U+FEFF), so a
// name made only of them is empty.
std::string TrimBlanks(std::string_view text);

// A text as a message shows it: control characters as \uXXXX, bytes that are
// not UTF-8 as \xXX, everything else as it is.
std::string ShownText(std::string_view text);

enum class TNameFault { Blank, NotText, ControlCharacter, QuotationMark, TrailingBackslash, TooLong };

// An IP set name as it is stored: without blanks at either end, not empty, no
// control character inside. Trims name; nothing when it may be stored.
std::optional<TNameFault> NormalizeSetName(std::string& name);
// Why: "Empty IP Set Name !! " (the editor's words) or "The IP set name contains a control character".
std::string SetNameFaultText(TNameFault fault);

// Windows' longest connection name, in UTF-16 units.
inline constexpr long long kMaxConnectionNameLength = 256;

// A connection name is kept as the system shows it, untrimmed; it must not be
// blank and must reach netsh as one argument: no quotation mark or control
// character, no backslash at its end, at most kMaxConnectionNameLength long.
std::optional<TNameFault> CheckConnectionName(std::string_view name);
// subject begins the sentence: "The connection name" or "The connection name \"x\"".
std::string ConnectionNameFaultText(TNameFault fault, const std::string& subject);
// Why name cannot be a connection's, naming it ("The connection name \"x\" is blank"); empty when it can.
std::string ConnectionNameFault(std::string_view name);

// An address value in the one form netsh is given: four decimal parts without
// leading zeros ("010.000.000.005" gives "10.0.0.5", which the address control
// shows for it). Nothing for a text that is not one to three digits four times
// with dots between: netsh could read such a text otherwise than the window shows it.
std::optional<std::string> CanonicalAddress(std::string_view text);

// The four address values of a static IP set.
struct TStaticValues {
    std::string Address;
    std::string Mask;
    std::string Gateway;  // empty: none
    std::string Dns;      // empty: none
};

struct TValueFault {
    TIPv4Field Field;
    std::string Message;  // the editor's words: "IP Address 10.0.0.256 is invalid!", ...
};

// The editor's rules for a static set, in its order: each value trimmed and a
// dotted address or empty, an address and a mask present, a contiguous mask,
// then the rules netsh applies (IPv4Rules). Brings the values to canonical form;
// the first fault, or nothing.
std::optional<TValueFault> NormalizeStaticValues(TStaticValues& values);

// What applying needs before composing netsh lines: each value trimmed and a
// dotted address or empty, in canonical form (netsh checks the rest itself).
// The first value that is neither, or nothing.
std::optional<TIPv4Field> CanonicalStaticValues(TStaticValues& values);
