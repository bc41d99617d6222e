#include "adapters/AdapterFacts_linux.h"

#include <arpa/inet.h>

#include <fstream>
#include <sstream>

bool ReadAdapterFacts(std::vector<TAdapterFacts>& Adapters) {
    Adapters.clear();
    if (!ReadKernelAdapters(Adapters))
        return false;
    const std::vector<bool> answered = ReadNetworkManagerFacts(Adapters);
    // Without NetworkManager nothing says an adapter uses DHCP; the resolver's
    // servers are those of the adapters that carry a default route.
    bool resolvRead = false;
    std::vector<std::string> resolvServers;
    for (std::size_t i = 0; i < Adapters.size(); ++i) {
        if (answered[i] || !Adapters[i].HasDefaultRoute)
            continue;
        if (!resolvRead) {
            resolvServers = ReadResolvConfNameservers();
            resolvRead = true;
        }
        Adapters[i].DnsServers = resolvServers;
    }
    return true;
}

std::vector<std::string> ParseResolvConfNameservers(std::string_view Text) {
    std::vector<std::string> servers;
    std::istringstream lines{std::string(Text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string keyword, address;
        if (!(words >> keyword >> address) || keyword != "nameserver")
            continue;
        in_addr parsed{};
        if (inet_pton(AF_INET, address.c_str(), &parsed) == 1)
            servers.push_back(address);
    }
    return servers;
}

std::vector<std::string> ReadResolvConfNameservers() {
    std::ifstream file("/etc/resolv.conf");
    std::stringstream text;
    text << file.rdbuf();
    return ParseResolvConfNameservers(text.str());
}
