#include "controls/IPSetRules.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "common/qxText.h"
#include "controls/IPAddressParse.h"
#include "common/qxTranslate.h"

namespace {

// One character of UTF-8 text: its code and its length in bytes; length 0 where
// the bytes at that place are no character (cut off, overlong, a surrogate, past U+10FFFF).
struct TChar {
    std::uint32_t Code = 0;
    std::size_t Length = 0;
};

TChar CharAt(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::uint32_t code;
    std::size_t extra;
    if (lead < 0x80)
        return {lead, 1};
    if (lead >= 0xC2 && lead <= 0xDF) {
        code = lead & 0x1Fu;
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        code = lead & 0x0Fu;
        extra = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        code = lead & 0x07u;
        extra = 3;
    } else {
        return {};
    }
    if (i + extra >= text.size())
        return {};
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0u) != 0x80u)
            return {};
        code = (code << 6) | (next & 0x3Fu);
    }
    if ((extra == 2 && code < 0x800) || (extra == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, extra + 1};
}

bool IsControl(std::uint32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

bool IsBlank(std::uint32_t code)
{
    return code <= 0x20 || (code >= 0x7F && code <= 0xA0) || code == 0x1680 || code == 0x180E ||
           (code >= 0x2000 && code <= 0x200D) || code == 0x2028 || code == 0x2029 || code == 0x202F ||
           code == 0x205F || code == 0x2060 || code == 0x3000 || code == 0xFEFF;
}

// The code of the character that ends at byte `end` (exclusive), and where it begins; length 0 for none.
TChar CharBefore(std::string_view text, std::size_t end, std::size_t& begin)
{
    for (std::size_t back = 1; back <= 4 && back <= end; ++back) {
        const TChar c = CharAt(text, end - back);
        if (c.Length == back) {
            begin = end - back;
            return c;
        }
    }
    return {};
}

std::string Capitalized(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

TTextScan ScanText(std::string_view text)
{
    TTextScan scan;
    for (std::size_t i = 0; i < text.size();) {
        const TChar c = CharAt(text, i);
        if (c.Length == 0)
            return TTextScan{false};
        scan.Control = scan.Control || IsControl(c.Code);
        scan.QuotationMark = scan.QuotationMark || c.Code == '"';
        scan.Utf16Units += c.Code >= 0x10000 ? 2 : 1;
        i += c.Length;
    }
    return scan;
}

std::string TrimBlanks(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size()) {
        const TChar c = CharAt(text, first);
        if (c.Length == 0 || !IsBlank(c.Code))
            break;
        first += c.Length;
    }
    std::size_t last = text.size();
    while (last > first) {
        std::size_t begin = 0;
        const TChar c = CharBefore(text, last, begin);
        if (c.Length == 0 || begin < first || !IsBlank(c.Code))
            break;
        last = begin;
    }
    return std::string(text.substr(first, last - first));
}

std::string ShownText(std::string_view text)
{
    std::string shown;
    char escape[8];
    for (std::size_t i = 0; i < text.size();) {
        const TChar c = CharAt(text, i);
        if (c.Length == 0) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[i]));
            shown += escape;
            ++i;
            continue;
        }
        if (IsControl(c.Code)) {
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c.Code));
            shown += escape;
        } else {
            shown.append(text.substr(i, c.Length));
        }
        i += c.Length;
    }
    return shown;
}

std::optional<TNameFault> NormalizeSetName(std::string& name)
{
    name = TrimBlanks(name);
    if (name.empty())
        return TNameFault::Blank;
    const TTextScan scan = ScanText(name);
    if (!scan.Utf8)
        return TNameFault::NotText;
    if (scan.Control)
        return TNameFault::ControlCharacter;
    return std::nullopt;
}

std::string SetNameFaultText(TNameFault fault)
{
    switch (fault) {
    case TNameFault::Blank:
        return Tx("IPSetRules", "Empty IP Set Name !! ");
    case TNameFault::NotText:
        return Tx("IPSetRules", "The IP set name is not valid UTF-8 text");
    default:
        return Tx("IPSetRules", "The IP set name contains a control character");
    }
}

std::optional<TNameFault> CheckConnectionName(std::string_view name)
{
    const TTextScan scan = ScanText(name);
    if (!scan.Utf8)
        return TNameFault::NotText;
    if (TrimBlanks(name).empty())
        return TNameFault::Blank;
    if (scan.Control)
        return TNameFault::ControlCharacter;
    if (scan.QuotationMark)
        return TNameFault::QuotationMark;
    // "...\" would make the closing quotation mark of the netsh argument a literal one.
    if (name.back() == '\\')
        return TNameFault::TrailingBackslash;
    if (scan.Utf16Units > kMaxConnectionNameLength)
        return TNameFault::TooLong;
    return std::nullopt;
}

std::string ConnectionNameFaultText(TNameFault fault, const std::string& subject)
{
    // %1 is the subject: "The connection name "x"", "its connection name "x"" or "it".
    switch (fault) {
    case TNameFault::Blank:
        return Fill(Tx("IPSetRules", "%1 is blank"), {subject});
    case TNameFault::NotText:
        return Fill(Tx("IPSetRules", "%1 is not valid UTF-8 text"), {subject});
    case TNameFault::ControlCharacter:
    case TNameFault::QuotationMark:
        return Fill(Tx("IPSetRules", "%1 contains a quotation mark or a control character and cannot be passed to netsh"),
                    {subject});
    case TNameFault::TrailingBackslash:
        return Fill(Tx("IPSetRules", "%1 ends with a backslash and cannot be passed to netsh"), {subject});
    case TNameFault::TooLong:
        return Fill(Tx("IPSetRules", "%1 is longer than the %2 characters a connection name can have"),
                    {subject, std::to_string(kMaxConnectionNameLength)});
    }
    return Fill(Tx("IPSetRules", "%1 cannot be used"), {subject});
}

std::string ConnectionNameFault(std::string_view name)
{
    const std::optional<TNameFault> fault = CheckConnectionName(name);
    return fault ? ConnectionNameFaultText(*fault, Fill(Tx("IPSetRules", "The connection name \"%1\""), {ShownText(name)}))
                 : std::string();
}

std::optional<std::string> CanonicalAddress(std::string_view text)
{
    const std::optional<Ipv4> value = ParseIpv4(text);
    if (!value)
        return std::nullopt;
    return FormatIpv4(*value);
}

std::optional<TValueFault> NormalizeStaticValues(TStaticValues& values)
{
    std::string* const all[] = {&values.Address, &values.Mask, &values.Gateway, &values.Dns};
    for (std::size_t i = 0; i < 4; ++i) {
        *all[i] = Trim(*all[i]);
        if (all[i]->empty())
            continue;
        const std::optional<std::string> canonical = CanonicalAddress(*all[i]);
        if (!canonical)
            return TValueFault{static_cast<TIPv4Field>(i), Fill(Tx("IPSetRules", "IP Address %1 is invalid!"), {*all[i]})};
        *all[i] = *canonical;
    }
    if (values.Address.empty())
        return TValueFault{TIPv4Field::Address, Tx("IPSetRules", "A static IP Set needs an IP Address!")};
    if (values.Mask.empty())
        return TValueFault{TIPv4Field::SubnetMask, Tx("IPSetRules", "A static IP Set needs a Subnet Mask!")};
    const std::string invalidMask = Fill(Tx("IPSetRules", "Subnet Mask %1 is invalid!"), {values.Mask});
    if (!IsContiguousMask(values.Mask))
        return TValueFault{TIPv4Field::SubnetMask, invalidMask};
    const auto value = [](const std::string& text) { return ParseIpv4(text); };
    std::optional<TIPv4Fault> fault =
        CheckStaticAddress(*value(values.Address), *value(values.Mask), value(values.Gateway));
    if (!fault && !values.Dns.empty())
        fault = CheckDnsServer(*value(values.Dns));
    if (!fault)
        return std::nullopt;
    if (fault->Field == TIPv4Field::SubnetMask)
        return TValueFault{TIPv4Field::SubnetMask, invalidMask};
    return TValueFault{fault->Field, Capitalized(fault->Reason)};
}

std::optional<TIPv4Field> CanonicalStaticValues(TStaticValues& values)
{
    std::string* const all[] = {&values.Address, &values.Mask, &values.Gateway, &values.Dns};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string trimmed = Trim(*all[i]);
        const std::optional<std::string> canonical = CanonicalAddress(trimmed);
        if (!trimmed.empty() && !canonical)
            return static_cast<TIPv4Field>(i);
        *all[i] = canonical.value_or(std::string());
    }
    return std::nullopt;
}
