#include "adapters/IPHLPAPI.h"

namespace {

void* LoadModule() { return ::LoadLibraryW(L"IPHLPAPI.DLL"); }

void* Lookup(void* Module, const char* Name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(Module), Name));
}

void Free(void* Module) { ::FreeLibrary(static_cast<HMODULE>(Module)); }

const TIPHelperLibraryApi kWindowsApi{LoadModule, Lookup, Free};

}  // namespace

const TIPHelperLibraryApi& PlatformIPHelperLibraryApi() { return kWindowsApi; }
