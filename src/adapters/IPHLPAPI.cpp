#include "adapters/IPHLPAPI.h"

namespace IPHLPAPI {
TGetAdaptersInfo GetAdaptersInfo = nullptr;
TIPHelperProc GetNetworkParams = nullptr;
TIPHelperProc GetTcpTable = nullptr;
TIPHelperProc GetTcpStatistics = nullptr;
TIPHelperProc GetUdpTable = nullptr;
TIPHelperProc GetUdpStatistics = nullptr;
TIPHelperProc GetIpStatistics = nullptr;
TIPHelperProc GetIpNetTable = nullptr;
TIPHelperProc GetIpAddrTable = nullptr;
TIPHelperProc GetIpForwardTable = nullptr;
TIPHelperProc GetIcmpStatistics = nullptr;
TIPHelperProc GetRTTAndHopCount = nullptr;
TIPHelperProc GetIfTable = nullptr;
TIPHelperProc GetIfEntry = nullptr;
TIPHelperProc GetFriendlyIfIndex = nullptr;
TGetPerAdapterInfo GetPerAdapterInfo = nullptr;
TIPHelperProc AllocateAndGetTcpExTableFromStack = nullptr;
TIPHelperProc AllocateAndGetUdpExTableFromStack = nullptr;
TIPHelperProc GetAdaptersAddresses = nullptr;
TIPHelperProc GetExtendedTcpTable = nullptr;
TIPHelperProc GetOwnerModuleFromTcpEntry = nullptr;
TIPHelperProc GetExtendedUdpTable = nullptr;
TIPHelperProc GetOwnerModuleFromUdpEntry = nullptr;
}  // namespace IPHLPAPI

namespace {

const TIPHelperLibraryApi* gApi = nullptr;
void* gModule = nullptr;
const TIPHelperLibraryApi* gModuleApi = nullptr;  // the loader that loaded gModule

const TIPHelperLibraryApi& CurrentApi() { return gApi ? *gApi : PlatformIPHelperLibraryApi(); }

template <typename TSlot>
void Bind(TSlot& Slot, const char* Name) {
    // Function pointers travel through the loader as void*; the slot's type says what they are.
    Slot = reinterpret_cast<TSlot>(gModuleApi->Lookup(gModule, Name));
}

// Releases the library when the program ends, after every other user of it.
struct TUnloadAtExit {
    ~TUnloadAtExit() { UnloadIPHelperLibrary(); }
} gUnloadAtExit;

}  // namespace

bool LoadIPHelperLibrary() {
    if (gModule)
        return true;
    const TIPHelperLibraryApi& api = CurrentApi();
    void* module = api.Load();
    if (!module)
        return false;
    gModule = module;
    gModuleApi = &api;

    Bind(IPHLPAPI::GetAdaptersInfo, "GetAdaptersInfo");
    Bind(IPHLPAPI::GetNetworkParams, "GetNetworkParams");
    Bind(IPHLPAPI::GetTcpTable, "GetTcpTable");
    Bind(IPHLPAPI::GetTcpStatistics, "GetTcpStatistics");
    Bind(IPHLPAPI::GetUdpTable, "GetUdpTable");
    Bind(IPHLPAPI::GetUdpStatistics, "GetUdpStatistics");
    Bind(IPHLPAPI::GetIpStatistics, "GetIpStatistics");
    Bind(IPHLPAPI::GetIpNetTable, "GetIpNetTable");
    Bind(IPHLPAPI::GetIpAddrTable, "GetIpAddrTable");
    Bind(IPHLPAPI::GetIpForwardTable, "GetIpForwardTable");
    Bind(IPHLPAPI::GetIcmpStatistics, "GetIcmpStatistics");
    Bind(IPHLPAPI::GetRTTAndHopCount, "GetRTTAndHopCount");
    Bind(IPHLPAPI::GetIfTable, "GetIfTable");
    Bind(IPHLPAPI::GetIfEntry, "GetIfEntry");
    Bind(IPHLPAPI::GetFriendlyIfIndex, "GetFriendlyIfIndex");
    Bind(IPHLPAPI::GetPerAdapterInfo, "GetPerAdapterInfo");
    Bind(IPHLPAPI::AllocateAndGetTcpExTableFromStack, "AllocateAndGetTcpExTableFromStack");
    Bind(IPHLPAPI::AllocateAndGetUdpExTableFromStack, "AllocateAndGetUdpExTableFromStack");
    Bind(IPHLPAPI::GetAdaptersAddresses, "GetAdaptersAddresses");
    Bind(IPHLPAPI::GetExtendedTcpTable, "GetExtendedTcpTable");
    Bind(IPHLPAPI::GetOwnerModuleFromTcpEntry, "GetOwnerModuleFromTcpEntry");
    Bind(IPHLPAPI::GetExtendedUdpTable, "GetExtendedUdpTable");
    Bind(IPHLPAPI::GetOwnerModuleFromUdpEntry, "GetOwnerModuleFromUdpEntry");
    return true;
}

void UnloadIPHelperLibrary() {
    if (!gModule)
        return;
    gModuleApi->Free(gModule);
    gModule = nullptr;
    gModuleApi = nullptr;
}

void SetIPHelperLibraryApi(const TIPHelperLibraryApi* Api) { gApi = Api; }
