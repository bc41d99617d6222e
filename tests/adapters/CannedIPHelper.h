#pragma once
// A stand-in IP Helper library for the tests: canned adapter records, laid out
// in the caller's buffer the way the real library does, with switches for the
// library's failures. Installed through the binding's loader seam.
#include <cstdint>
#include <string>
#include <vector>

#include "adapters/IPHLPAPI.h"

// An address element; texts of 16 characters fill the field without a zero byte.
IP_ADDR_STRING CannedAddr(const std::string& Address, const std::string& Mask = "");

struct TCannedAdapter {
    IP_ADAPTER_INFO Record{};  // the first element of each list lives here
    std::vector<IP_ADDR_STRING> MoreAddresses, MoreGateways, MoreDhcp, MorePrimaryWins, MoreSecondaryWins;
    bool HasCurrentAddress = false;
    IP_ADDR_STRING CurrentAddress{};

    TIPHelperULong PerAdapterResult = 0;  // what GetPerAdapterInfo answers for this adapter
    IP_PER_ADAPTER_INFO PerAdapter{};
    std::vector<IP_ADDR_STRING> MoreDns;
    bool HasCurrentDns = false;
    IP_ADDR_STRING CurrentDns{};

    // A plain adapter: name, index and the given addresses (at least one element).
    static TCannedAdapter Make(const std::string& Name, std::uint32_t Index,
                               const std::vector<IP_ADDR_STRING>& Addresses = {CannedAddr("10.0.0.1", "255.0.0.0")});
};

struct TCannedLibrary {
    std::vector<TCannedAdapter> Adapters;
    TIPHelperULong SizeQueryResult = 111;  // anything else is answered to the size query as is
    int FillOverflows = 0;                 // the fill answers 111 this many times first
    bool LoadFails = false;
    bool ExportsPerAdapterInfo = true;
    int Loads = 0, Lookups = 0, Frees = 0, SizeQueries = 0, Fills = 0, PerAdapterCalls = 0;
};

// The library the fake loader serves; reset by InstallCannedIPHelper.
TCannedLibrary& Canned();

// Releases whatever is bound and puts the canned library's loader in place.
void InstallCannedIPHelper();
// Releases the canned library and restores the platform's loader.
void RemoveCannedIPHelper();
