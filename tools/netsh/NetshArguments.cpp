#include "netsh/NetshArguments.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

#include "common/qxText.h"
#include "netsh/NetshError.h"

namespace netsh {

namespace {

bool SameKeyword(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
           });
}

bool IsAnyOf(std::string_view word, const std::vector<std::string_view>& keywords)
{
    return std::any_of(keywords.begin(), keywords.end(),
                       [word](std::string_view k) { return SameKeyword(word, k); });
}

[[noreturn]] void BadCommandLine(const std::string& message)
{
    throw ENetshError(NetshStatus::BadCommandLine, message + " (see netsh help)");
}

[[noreturn]] void InvalidValue(const std::string& message)
{
    throw ENetshError(NetshStatus::InvalidValue, message);
}

bool IsDecimal(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One parameter of a command: its tags ("name=", ...) and the value it got.
struct Slot {
    std::vector<std::string_view> Tags;
    std::optional<std::string> Value;
};

// Fills the slots as netsh does: "tag=value" goes to the slot of that tag, a bare
// value to the next slot still empty. A token whose text before "=" is no tag of
// the command is a bare value, so a connection named "a=b" still works.
template <std::size_t N>
void FillSlots(std::array<Slot, N>& slots, const std::vector<std::string>& tokens,
               const std::function<bool(std::size_t, const std::string&)>& skipSlot)
{
    for (const std::string& token : tokens) {
        Slot* target = nullptr;
        std::string value = token;
        if (const auto eq = token.find('='); eq != std::string::npos) {
            const std::string_view tag(token.data(), eq);
            for (Slot& slot : slots)
                if (IsAnyOf(tag, slot.Tags))
                    target = &slot;
            if (target)
                value = token.substr(eq + 1);
        }
        if (!target) {
            for (std::size_t i = 0; i < N && !target; ++i)
                if (!slots[i].Value && !skipSlot(i, token))
                    target = &slots[i];
            if (!target)
                BadCommandLine("unexpected argument \"" + token + "\"");
        }
        if (target->Value)
            BadCommandLine("\"" + std::string(target->Tags.front()) + "=\" given twice");
        target->Value = value;
    }
}

std::string RequireName(const Slot& name)
{
    if (!name.Value || name.Value->empty())
        BadCommandLine("no connection name given");
    return *name.Value;
}

bool ParseSource(const Slot& source)
{
    if (!source.Value)
        BadCommandLine("\"static\" or \"dhcp\" expected");
    if (IsAnyOf(*source.Value, {"dhcp"}))
        return true;
    if (IsAnyOf(*source.Value, {"static"}))
        return false;
    BadCommandLine("\"static\" or \"dhcp\" expected, not \"" + *source.Value + "\"");
}

Ipv4 RequireAddress(const std::optional<std::string>& text, const char* what)
{
    if (!text || text->empty())
        BadCommandLine(std::string("no ") + what + " given");
    const auto address = ParseIpv4(*text);
    if (!address)
        InvalidValue("invalid " + std::string(what) + " \"" + *text + "\"");
    return *address;
}

void RejectAfterDhcp(std::initializer_list<const Slot*> slots)
{
    for (const Slot* slot : slots)
        if (slot->Value)
            BadCommandLine("dhcp takes no further values (got \"" + *slot->Value + "\")");
}

NetshRequest ParseSetAddress(const std::vector<std::string>& tokens)
{
    enum { Name, Source, Addr, Mask, Gateway, Metric, Dad };
    std::array<Slot, 7> s{{{{"name"}, {}},
                           {{"source"}, {}},
                           {{"addr", "address"}, {}},
                           {{"mask"}, {}},
                           {{"gateway"}, {}},
                           {{"gwmetric"}, {}},
                           {{"dad"}, {}}}};
    // Netvane writes an empty gateway as nothing between two blanks, so the metric
    // comes right after the mask: a bare number there is the metric, not a gateway.
    // "dad=" is ours, not Windows': it is only ever given by its tag.
    FillSlots(s, tokens, [&s](std::size_t i, const std::string& token) {
        return i == Dad || (i == Gateway && !s[Metric].Value && IsDecimal(token));
    });

    NetshRequest request;
    request.Verb = NetshVerb::SetAddress;
    request.Connection = RequireName(s[Name]);
    AddressChange& change = request.Address;
    change.Dhcp = ParseSource(s[Source]);
    if (change.Dhcp) {
        RejectAfterDhcp({&s[Addr], &s[Mask], &s[Gateway], &s[Metric], &s[Dad]});
        return request;
    }
    if (s[Dad].Value && !IsAnyOf(*s[Dad].Value, {"yes", "no"}))
        BadCommandLine("dad must be yes or no, not \"" + *s[Dad].Value + "\"");
    change.DuplicateCheck = !s[Dad].Value || IsAnyOf(*s[Dad].Value, {"yes"});

    change.Address = RequireAddress(s[Addr].Value, "address");
    const Ipv4 mask = RequireAddress(s[Mask].Value, "subnet mask");
    const std::string gateway = s[Gateway].Value.value_or("");
    if (!gateway.empty() && !IsAnyOf(gateway, {"none"}))
        change.Gateway = RequireAddress(gateway, "gateway");
    if (const auto fault = CheckStaticAddress(change.Address, mask, change.Gateway))
        InvalidValue(fault->Reason);
    change.Prefix = *MaskToPrefix(mask);
    // The metric is checked for scripts' sake but not applied: NetworkManager keeps
    // its own route metric per connection.
    if (s[Metric].Value) {
        const auto metric = TryStrToInt(*s[Metric].Value);
        if (!IsDecimal(*s[Metric].Value) || !metric || *metric > 9999)
            InvalidValue("invalid gateway metric \"" + *s[Metric].Value + "\"");
    }
    return request;
}

NetshRequest ParseSetDns(const std::vector<std::string>& tokens)
{
    enum { Name, Source, Addr, Register, Validate };
    std::array<Slot, 5> s{{{{"name"}, {}},
                           {{"source"}, {}},
                           {{"addr", "address"}, {}},
                           {{"register"}, {}},
                           {{"validate"}, {}}}};
    FillSlots(s, tokens, [](std::size_t, const std::string&) { return false; });

    NetshRequest request;
    request.Verb = NetshVerb::SetDns;
    request.Connection = RequireName(s[Name]);
    request.Dns.Dhcp = ParseSource(s[Source]);
    if (request.Dns.Dhcp) {
        RejectAfterDhcp({&s[Addr], &s[Register], &s[Validate]});
        return request;
    }
    // Netvane writes an empty DNS server as nothing, so "primary" lands here.
    if (s[Addr].Value && !s[Register].Value && IsAnyOf(*s[Addr].Value, {"primary", "both"}))
        BadCommandLine("no DNS server given");
    if (!s[Addr].Value || !IsAnyOf(*s[Addr].Value, {"none"})) {
        request.Dns.Server = RequireAddress(s[Addr].Value, "DNS server");
        if (const auto fault = CheckDnsServer(*request.Dns.Server))
            InvalidValue(fault->Reason);
    }
    if (s[Register].Value && !IsAnyOf(*s[Register].Value, {"none", "primary", "both"}))
        BadCommandLine("register must be none, primary or both, not \"" + *s[Register].Value + "\"");
    // Whether netsh should try the server first; nothing to do with it here.
    if (s[Validate].Value && !IsAnyOf(*s[Validate].Value, {"yes", "no"}))
        BadCommandLine("validate must be yes or no, not \"" + *s[Validate].Value + "\"");
    return request;
}

NetshRequest ParseShowConfig(const std::vector<std::string>& tokens)
{
    std::array<Slot, 1> s{{{{"name"}, {}}}};
    FillSlots(s, tokens, [](std::size_t, const std::string&) { return false; });
    NetshRequest request;
    request.Verb = NetshVerb::ShowConfig;
    if (s[0].Value)
        request.Connection = RequireName(s[0]);
    return request;
}

}  // namespace

NetshRequest ParseNetshArguments(const std::vector<std::string>& args)
{
    if (args.empty())
        BadCommandLine("no command given");
    if (IsAnyOf(args[0], {"help", "-h", "--help", "/?", "-?", "?"}))
        return NetshRequest{};

    // interface ip set address|dns ... / interface ip show config ...
    const std::size_t head = 4;
    if (args.size() < head || !IsAnyOf(args[0], {"interface", "int"}) || !IsAnyOf(args[1], {"ip", "ipv4"}))
        BadCommandLine("unknown command");
    const std::vector<std::string> rest(args.begin() + head, args.end());
    if (IsAnyOf(args[2], {"set"}) && IsAnyOf(args[3], {"address"}))
        return ParseSetAddress(rest);
    if (IsAnyOf(args[2], {"set"}) && IsAnyOf(args[3], {"dns", "dnsservers"}))
        return ParseSetDns(rest);
    if (IsAnyOf(args[2], {"show"}) && IsAnyOf(args[3], {"config"}))
        return ParseShowConfig(rest);
    BadCommandLine("unknown command");
}

const char* NetshUsage()
{
    return R"(Usage:
  netsh interface ip set address [name=]NAME [source=]static [addr=]ADDRESS [mask=]MASK [[gateway=]GATEWAY|none] [[gwmetric=]METRIC] [dad=yes|no]
  netsh interface ip set address [name=]NAME [source=]dhcp
  netsh interface ip set dns [name=]NAME [source=]static [addr=]SERVER|none [[register=]none|primary|both] [validate=yes|no]
  netsh interface ip set dns [name=]NAME [source=]dhcp
  netsh interface ip show config [[name=]NAME]
  netsh help

NAME is a NetworkManager connection profile, as the network settings show it.
Changes are saved in the profile and take effect at once; when the profile's device
is not available they are saved and take effect when the connection comes up.
A static address is first checked: when another device on the network answers for it,
nothing is changed (exit status 8). dad=no leaves the check out.

Exit status: 0 done (or saved for later), 1 command not understood, 2 invalid value,
3 unknown connection, 4 NetworkManager not running, 5 not permitted,
6 activation failed (the change is saved), 7 other NetworkManager failure,
8 another device uses the address (nothing was changed).
)";
}

}  // namespace netsh
