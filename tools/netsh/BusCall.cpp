#include "netsh/BusCall.h"

#include <cerrno>
#include <cstring>

namespace netsh {

namespace {

bool ContainsNoCase(const char* text, const char* part)
{
    return text && ::strcasestr(text, part) != nullptr;
}

}  // namespace

sd_bus* BusConnection::Get()
{
    if (!FBus) {
        sd_bus* raw = nullptr;
        const int r = sd_bus_open_system(&raw);
        if (r < 0)
            throw ENetshError(NetshStatus::NotRunning,
                              std::string("NetworkManager is not running (no system bus: ") + std::strerror(-r) + ")");
        FBus.reset(raw);
    }
    return FBus.get();
}

ENetshError BusFailure(const sd_bus_error& error, int r, const std::string& doing)
{
    if (sd_bus_error_has_name(&error, SD_BUS_ERROR_SERVICE_UNKNOWN) ||
        sd_bus_error_has_name(&error, SD_BUS_ERROR_NAME_HAS_NO_OWNER))
        return ENetshError(NetshStatus::NotRunning, "NetworkManager is not running");
    const std::string reason = error.message ? error.message : std::strerror(-r);
    // NetworkManager names its refusals "...PermissionDenied"; the bus says AccessDenied.
    if (ContainsNoCase(error.name, "PermissionDenied") || ContainsNoCase(error.name, "AccessDenied") ||
        ContainsNoCase(error.message, "not authorized") || ContainsNoCase(error.message, "insufficient privileges") ||
        ContainsNoCase(error.message, "checking authorization") || r == -EACCES || r == -EPERM)
        return ENetshError(NetshStatus::NotPermitted, "not permitted: " + doing + " was refused (" + reason + ")");
    return ENetshError(NetshStatus::Failed, doing + " failed: " + reason);
}

void Fail(const BusError& error, int r, const std::string& doing)
{
    throw BusFailure(error.Value, r, doing);
}

void Check(int r, const std::string& doing)
{
    if (r < 0)
        throw ENetshError(NetshStatus::Failed, doing + " failed: " + std::strerror(-r));
}

Message NewNmCall(sd_bus* bus, const std::string& path, const char* interface, const char* member,
                  const std::string& doing)
{
    sd_bus_message* raw = nullptr;
    Check(sd_bus_message_new_method_call(bus, &raw, kNmService, path.c_str(), interface, member), doing);
    return Message(raw);
}

Message CallNm(sd_bus* bus, sd_bus_message* request, const std::string& doing)
{
    BusError error;
    sd_bus_message* reply = nullptr;
    // Changes are answered once written and applied; as long as nmcli would wait.
    const int r = sd_bus_call(bus, request, 90'000'000, &error.Value, &reply);
    Message owned(reply);
    if (r < 0)
        Fail(error, r, doing);
    return owned;
}

}  // namespace netsh
