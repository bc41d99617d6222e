// A stand-in for the IP Helper library whose two calls lay out records from the
// facts a test or fuzz target sets in gFacts, as our Linux replacements do.
#pragma once

#include <cstring>
#include <vector>

#include "adapters/AdapterFacts_linux.h"
#include "adapters/IPHLPAPIReplacement_linux.h"
#include "adapters/IPHelper.h"

inline std::vector<TAdapterFacts> gFacts;

inline TIPHelperULong FactsGetAdaptersInfo(IP_ADAPTER_INFO* Buffer, TIPHelperULong* Size)
{
    return LayOutAdaptersInfo(gFacts, Buffer, Size);
}

inline TIPHelperULong FactsGetPerAdapterInfo(TIPHelperULong Index, IP_PER_ADAPTER_INFO* Buffer, TIPHelperULong* Size)
{
    for (const TAdapterFacts& a : gFacts)
        if (a.Index == Index)
            return LayOutPerAdapterInfo(a, Buffer, Size);
    return IPHLP_ERROR_NO_DATA;
}

inline int gFactsModule;
inline const TIPHelperLibraryApi kFactsApi{
    [] { return static_cast<void*>(&gFactsModule); },
    [](void*, const char* Name) -> void* {
        if (std::strcmp(Name, "GetAdaptersInfo") == 0)
            return reinterpret_cast<void*>(&FactsGetAdaptersInfo);
        if (std::strcmp(Name, "GetPerAdapterInfo") == 0)
            return reinterpret_cast<void*>(&FactsGetPerAdapterInfo);
        return nullptr;
    },
    [](void*) {}};
