// The discovery on Windows with everything real but the root key: the adapters Wine
// reports, a registry layout for them written below HKEY_CURRENT_USER (HKLM needs
// administrator rights to write), the version this program is told (it carries the
// program's manifest), and a store in a folder with blanks and accented letters.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "BalloonWatch.h"
#include "adapters/o_AdapterInformation.h"
#include "connections/o_SystemConnections.h"
#include "platform/Registry.h"
#include "support/TempStore.h"

namespace {

const std::wstring kRoot = L"Software\\NetvaneDiscovery-" + std::to_wstring(::GetCurrentProcessId());

std::string Narrow(const std::wstring& ascii)
{
    std::string out;
    for (wchar_t c : ascii)
        out += static_cast<char>(c);
    return out;
}

void WriteName(const std::wstring& key, const std::wstring& name)
{
    HKEY h = nullptr;
    const std::wstring path = kRoot + L"\\Network\\" + key + L"\\Connection";
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(h, L"Name", 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                     static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(h);
}

struct DiscoveryWindows : ::testing::Test {
    TempStore store;
    BalloonWatch balloons;
    TqxIPSystemConnections discovery;

    void SetUp() override
    {
        discovery.SetConnectionsDataSet(store.Connections());
        discovery.SetTrayIcon(balloons.tray);
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kRoot.c_str()); }
};

TEST_F(DiscoveryWindows, NamesTheMachinesAdaptersFromTheRegistry)
{
    NetworkAdapterManager().EnumerateNetworkAdapters();
    const TqxNetworkAdapters& adapters = NetworkAdapterManager().Adapters();
    if (adapters.Count() == 0)
        GTEST_SKIP() << "the system reports no adapters";
    std::vector<std::string> names;
    QStringList expected;
    for (int i = 0; i < adapters.Count(); ++i) {
        const std::string adapter = adapters.Items(i).AdapterName();
        names.push_back(adapter);
        // Class keys as on a real system; the name as a user may have typed it.
        const std::wstring name = L"Verbindung " + std::to_wstring(i + 1) + L" \u00e9t\u00e9";
        WriteName(L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\" + std::wstring(adapter.begin(), adapter.end()), name);
        expected << QString::fromStdWString(name);
    }
    const std::unique_ptr<TqxRegistry> registry = OpenRegistry(TRegistryRoot::CurrentUser);
    std::string base = "\\";
    base += Narrow(kRoot) + "\\Network\\";
    discovery.ReadSystemConnections(*registry, base, GetWindowsVersion(), names);

    QStringList stored;
    TqxTable* t = store.Connections();
    t->Refresh();
    for (t->First(); !t->Eof(); t->Next())
        stored << t->FieldByName("CONNECTIONNAME").AsString();
    EXPECT_EQ(stored, expected);
    ASSERT_EQ(balloons.shown.size(), expected.size());
    EXPECT_TRUE(balloons.shown.first().endsWith(expected.first()));
}

}  // namespace
