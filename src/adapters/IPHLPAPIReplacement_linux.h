#pragma once
// Our own GetAdaptersInfo and GetPerAdapterInfo for Linux, with the contract of
// the IP Helper functions: 0 on success; 111 with the needed size when the
// buffer is null or too small; 232 when there is no adapter; 87 without a size
// pointer; 31 when the kernel cannot be read. The records are laid out in the
// caller's buffer, which must be aligned as malloc aligns.
#include <vector>

#include "adapters/AdapterFacts_linux.h"
#include "adapters/IPHLPAPI.h"

TIPHelperULong ReplacementGetAdaptersInfo(IP_ADAPTER_INFO* AdapterInfo, TIPHelperULong* SizePointer);
TIPHelperULong ReplacementGetPerAdapterInfo(TIPHelperULong IfIndex, IP_PER_ADAPTER_INFO* PerAdapterInfo,
                                            TIPHelperULong* OutBufLen);

// The record layout alone, over facts already read.
TIPHelperULong LayOutAdaptersInfo(const std::vector<TAdapterFacts>& Adapters, IP_ADAPTER_INFO* Buffer,
                                  TIPHelperULong* Size);
TIPHelperULong LayOutPerAdapterInfo(const TAdapterFacts& Adapter, IP_PER_ADAPTER_INFO* Buffer, TIPHelperULong* Size);
