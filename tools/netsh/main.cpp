// netsh for Linux: carries out Netvane's address and DNS commands, and the same
// commands typed by hand or in scripts, through NetworkManager.
#include <iostream>
#include <string>
#include <vector>

#include "netsh/NetshArguments.h"
#include "netsh/NetshCommands.h"
#include "netsh/NetshError.h"
#include "netsh/NmBus.h"
#include "netsh/NmBusControl.h"

using namespace netsh;

int main(int argc, char** argv)
{
    try {
        const NetshRequest request = ParseNetshArguments(std::vector<std::string>(argv + 1, argv + argc));
        BusConnection bus;
        const Nmcli nmcli;
        const NmBusControl nm(bus, nmcli);
        NetshCommands(nm, [&bus] { return ReadProfilesFromBus(bus.Get()); }, std::cout).Run(request);
        return static_cast<int>(NetshStatus::Done);
    } catch (const ENetshError& e) {
        std::cout.flush();
        std::cerr << "netsh: " << e.what() << "\n";
        return static_cast<int>(e.Status());
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "netsh: " << e.what() << "\n";
        return static_cast<int>(NetshStatus::Failed);
    }
}
