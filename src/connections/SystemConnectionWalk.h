#pragma once
// The registry walk of the connection discovery: for each adapter, in order, the
// class key that lists it (letter case aside), then its connection key's "Name".
//
//   <base>\<class key>\<adapter key>\Connection   value "Name"
//
// Every name found, empty ones included, goes to Found in adapter order. Keys
// that cannot be opened are passed over: the base key ends the walk, a class key
// is skipped, a connection key skips its adapter. Nothing is read on a system
// whose connections the discovery does not know (see ConnectionDiscoveryRuns).
// An error (a non-text "Name", or one raised by Found) passes out unchanged;
// the open key is closed on every way out.
#include <functional>
#include <string>
#include <vector>

#include "platform/WindowsVersion.h"

class TqxRegistry;

void WalkSystemConnections(TqxRegistry& Registry, const std::string& BasePath, TqxWindowsVersion Version,
                           const std::vector<std::string>& AdapterNames,
                           const std::function<void(const std::string& Name)>& Found);

// The same walk, telling which adapter (as named in AdapterNames) each name belongs to.
void WalkAdapterConnections(TqxRegistry& Registry, const std::string& BasePath, TqxWindowsVersion Version,
                            const std::vector<std::string>& AdapterNames,
                            const std::function<void(const std::string& Adapter, const std::string& Name)>& Found);
