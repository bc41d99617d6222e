#include "ipsets/ConnectionAdapters.h"

#include "adapters/o_AdapterInformation.h"
#include "connections/SystemConnectionWalk.h"
#include "platform/NetworkRegistryView.h"
#include "platform/Registry.h"
#include "platform/WindowsVersion.h"

std::vector<TAdapterConnection> SystemConnectionMapping(const std::vector<std::string>& Adapters)
{
    std::vector<TAdapterConnection> mapping;
    const std::unique_ptr<TqxRegistry> registry = OpenRegistry(TRegistryRoot::LocalMachine);
    WalkAdapterConnections(*registry, kNetworkKeyPath, GetWindowsVersion(), Adapters,
                           [&](const std::string& adapter, const std::string& name) {
                               if (!name.empty())
                                   mapping.push_back({adapter, name});
                           });
    return mapping;
}

TqxNetworkAdapterManager& TConnectionAdapters::Manager() const
{
    return Adapters ? *Adapters : NetworkAdapterManager();
}

std::vector<TAdapterConnection> TConnectionAdapters::Mapping() const
{
    const TqxNetworkAdapters& adapters = Manager().Adapters();
    std::vector<std::string> names;
    for (int i = 0; i < adapters.Count(); ++i)
        names.push_back(adapters.Items(i).AdapterName());
    return Mapper ? Mapper(names) : std::vector<TAdapterConnection>();
}

const TqxNetworkAdapter* TConnectionAdapters::AdapterOf(const std::string& Connection) const
{
    return AdapterOfConnection(Connection, Manager().Adapters(), Mapping());
}

const TqxNetworkAdapter* TConnectionAdapters::AdapterNamed(const std::string& AdapterName) const
{
    const TqxNetworkAdapters& adapters = Manager().Adapters();
    for (int i = 0; i < adapters.Count(); ++i)
        if (adapters.Items(i).AdapterName() == AdapterName)
            return &adapters.Items(i);
    return nullptr;
}

std::string TConnectionAdapters::ConnectionOf(const std::string& AdapterName) const
{
    for (const TAdapterConnection& m : Mapping())
        if (m.Adapter == AdapterName)
            return m.Connection;
    return "";
}
