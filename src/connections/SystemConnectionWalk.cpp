#include "connections/SystemConnectionWalk.h"

#include <algorithm>

#include "platform/Registry.h"

namespace {
struct TKeyCloser {
    TqxRegistry& Registry;
    ~TKeyCloser() { Registry.CloseKey(); }
};

std::string WithBackslash(std::string Path)
{
    if (Path.empty() || Path.back() != '\\')
        Path += '\\';
    return Path;
}
}  // namespace

void WalkSystemConnections(TqxRegistry& Registry, const std::string& BasePath, TqxWindowsVersion Version,
                           const std::vector<std::string>& AdapterNames,
                           const std::function<void(const std::string& Name)>& Found)
{
    WalkAdapterConnections(Registry, BasePath, Version, AdapterNames,
                           [&Found](const std::string&, const std::string& Name) { Found(Name); });
}

void WalkAdapterConnections(TqxRegistry& Registry, const std::string& BasePath, TqxWindowsVersion Version,
                            const std::vector<std::string>& AdapterNames,
                            const std::function<void(const std::string& Adapter, const std::string& Name)>& Found)
{
    const TKeyCloser closer{Registry};
    const std::string base = WithBackslash(BasePath);
    if (!Registry.OpenKey(base))
        return;
    const std::vector<std::string> classKeys = Registry.GetKeyNames();
    if (!ConnectionDiscoveryRuns(Version))
        return;

    for (const std::string& adapter : AdapterNames) {
        std::string connectionKey;
        for (const std::string& classKey : classKeys) {
            if (!Registry.OpenKey(base + classKey))
                continue;
            const std::vector<std::string> adapterKeys = Registry.GetKeyNames();
            const auto match = std::find_if(adapterKeys.begin(), adapterKeys.end(),
                                            [&](const std::string& key) { return SameKeyName(key, adapter); });
            if (match != adapterKeys.end()) {
                connectionKey = base + classKey + "\\" + *match + "\\Connection";
                break;
            }
        }
        if (connectionKey.empty() || !Registry.OpenKey(connectionKey))
            continue;
        Found(adapter, Registry.ReadString("Name"));
    }
}
