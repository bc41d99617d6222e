#include <cstring>

#include "adapters/IPHLPAPI.h"
#include "adapters/IPHLPAPIReplacement_linux.h"

// No IP Helper library exists here: the "module" is our own replacement, which
// always binds and exports only the two entry points the snapshot calls.
namespace {

int gReplacementModule;

void* Load() { return &gReplacementModule; }

void* Lookup(void*, const char* Name) {
    if (std::strcmp(Name, "GetAdaptersInfo") == 0)
        return reinterpret_cast<void*>(&ReplacementGetAdaptersInfo);
    if (std::strcmp(Name, "GetPerAdapterInfo") == 0)
        return reinterpret_cast<void*>(&ReplacementGetPerAdapterInfo);
    return nullptr;
}

void Free(void*) {}

const TIPHelperLibraryApi kLinuxApi{Load, Lookup, Free};

}  // namespace

const TIPHelperLibraryApi& PlatformIPHelperLibraryApi() { return kLinuxApi; }
