#pragma once
// Run-time binding of the IP Helper library and the IP Helper types that the
// adapter snapshot and the adapter objects carry.
//
// Windows: "IPHLPAPI.DLL" is loaded on first need and released at program end.
// Linux: there is no such library; the binding always succeeds and its
// GetAdaptersInfo and GetPerAdapterInfo slots point at our own replacements,
// which answer with the same result codes and the same record chain.
#include <cstdint>

#if defined(_WIN32)
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#define IPHLPAPI_CALL WINAPI
using TIPHelperULong = ULONG;
// ifdef.h starts its connection types at 1; the zero of a fresh record needs a name.
inline constexpr NET_IF_CONNECTION_TYPE NET_IF_CONNECTION_UNKNOWN = static_cast<NET_IF_CONNECTION_TYPE>(0);
#else
#include "adapters/IPHLPAPI_linux.h"
#endif

// Result codes of the IP Helper functions that the snapshot tells apart.
inline constexpr std::uint32_t IPHLP_NO_ERROR = 0;
inline constexpr std::uint32_t IPHLP_ERROR_GEN_FAILURE = 31;
inline constexpr std::uint32_t IPHLP_ERROR_NOT_SUPPORTED = 50;
inline constexpr std::uint32_t IPHLP_ERROR_INVALID_PARAMETER = 87;
inline constexpr std::uint32_t IPHLP_ERROR_BUFFER_OVERFLOW = 111;
inline constexpr std::uint32_t IPHLP_ERROR_NO_DATA = 232;

enum TIF_OPER_STATUS : std::uint8_t {
    IF_OPER_STATUS_NONE = 0,
    IF_OPER_STATUS_UP = 1,
    IF_OPER_STATUS_DOWN = 2,
    IF_OPER_STATUS_TESTING = 3,
    IF_OPER_STATUS_UNKNOWN = 4,
    IF_OPER_STATUS_DORMANT = 5,
    IF_OPER_STATUS_NOT_PRESENT = 6,
    IF_OPER_STATUS_LOWER_LAYER_DOWN = 7,
};

using Puint32 = std::uint32_t*;

using TGetAdaptersInfo = TIPHelperULong(IPHLPAPI_CALL*)(IP_ADAPTER_INFO* AdapterInfo, TIPHelperULong* SizePointer);
using TGetPerAdapterInfo = TIPHelperULong(IPHLPAPI_CALL*)(TIPHelperULong IfIndex, IP_PER_ADAPTER_INFO* PerAdapterInfo,
                                                          TIPHelperULong* OutBufLen);
// The entry points nobody here calls are kept untyped.
using TIPHelperProc = void (*)();

// The 23 process-wide entry-point slots, null until bound. Namespaced so that
// they never clash with the declarations of the Windows headers.
namespace IPHLPAPI {
extern TGetAdaptersInfo GetAdaptersInfo;
extern TIPHelperProc GetNetworkParams;
extern TIPHelperProc GetTcpTable;
extern TIPHelperProc GetTcpStatistics;
extern TIPHelperProc GetUdpTable;
extern TIPHelperProc GetUdpStatistics;
extern TIPHelperProc GetIpStatistics;
extern TIPHelperProc GetIpNetTable;
extern TIPHelperProc GetIpAddrTable;
extern TIPHelperProc GetIpForwardTable;
extern TIPHelperProc GetIcmpStatistics;
extern TIPHelperProc GetRTTAndHopCount;
extern TIPHelperProc GetIfTable;
extern TIPHelperProc GetIfEntry;
extern TIPHelperProc GetFriendlyIfIndex;
extern TGetPerAdapterInfo GetPerAdapterInfo;
extern TIPHelperProc AllocateAndGetTcpExTableFromStack;
extern TIPHelperProc AllocateAndGetUdpExTableFromStack;
extern TIPHelperProc GetAdaptersAddresses;
extern TIPHelperProc GetExtendedTcpTable;
extern TIPHelperProc GetOwnerModuleFromTcpEntry;
extern TIPHelperProc GetExtendedUdpTable;
extern TIPHelperProc GetOwnerModuleFromUdpEntry;
}  // namespace IPHLPAPI

// True when the library is loaded and the slots are bound. A bound library is
// not looked up again; after a failed load the next call tries again.
bool LoadIPHelperLibrary();

// Releases the library when it is loaded; the slots keep their values.
// Runs by itself at program end.
void UnloadIPHelperLibrary();

// The operating system's side of the binding: load, look up, release.
struct TIPHelperLibraryApi {
    void* (*Load)();  // the module handle, or null when the library cannot be loaded
    void* (*Lookup)(void* Module, const char* Name);
    void (*Free)(void* Module);
};

// The system's loader for this platform.
const TIPHelperLibraryApi& PlatformIPHelperLibraryApi();

// Puts another loader in place (tests); null restores the platform's.
// Takes effect at the next load; a bound library is released by the loader that loaded it.
void SetIPHelperLibraryApi(const TIPHelperLibraryApi* Api);
