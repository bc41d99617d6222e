// The real registry under Wine: a layout the test writes below HKEY_CURRENT_USER
// (and removes), walked through the registry seam; and the version Wine reports.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/qxError.h"
#include "connections/SystemConnectionWalk.h"
#include "platform/Registry.h"
#include "platform/WindowsVersion.h"

namespace {

struct RegistryTest : ::testing::Test {
    std::wstring root = L"Software\\NetvaneTest-" + std::to_wstring(::GetCurrentProcessId());
    std::string base = "\\Software\\NetvaneTest-" + std::to_string(::GetCurrentProcessId()) + "\\Network\\";

    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str()); }

    void Value(const std::wstring& key, DWORD type, const void* data, DWORD size)
    {
        HKEY h = nullptr;
        const std::wstring path = root + L"\\Network\\" + key;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
                  ERROR_SUCCESS);
        if (data) {
            EXPECT_EQ(::RegSetValueExW(h, L"Name", 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        }
        ::RegCloseKey(h);
    }
    void Name(const std::wstring& key, const std::wstring& text, DWORD type = REG_SZ)
    {
        Value(key, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    std::vector<std::string> Walk(const std::vector<std::string>& adapters)
    {
        std::vector<std::string> found;
        auto registry = OpenRegistry(TRegistryRoot::CurrentUser);
        WalkSystemConnections(*registry, base, wvWin7, adapters, [&](const std::string& n) { found.push_back(n); });
        return found;
    }
};

TEST_F(RegistryTest, WalksTheLayoutWrittenBelowTheCurrentUser)
{
    Name(L"{Class-A}\\{Adapter-1}\\Connection", L"Local Area Connection");
    Name(L"{Class-B}\\{adapter-2}\\Connection", L"R\u00e9seau sans fil", REG_EXPAND_SZ);
    Name(L"{Class-B}\\{Adapter-3}\\Connection", std::wstring(L"cut\0here", 8));
    Value(L"{Class-B}\\{Adapter-4}\\Connection", REG_SZ, nullptr, 0);  // no Name value
    EXPECT_EQ(Walk({"{Adapter-2}", "{Adapter-9}", "{Adapter-1}", "{Adapter-3}", "{Adapter-4}"}),
              (std::vector<std::string>{"R\xc3\xa9seau sans fil", "Local Area Connection", "cut", ""}));
}

TEST_F(RegistryTest, NonTextNameIsAnError)
{
    const DWORD number = 7;
    Value(L"{Class-A}\\eth0\\Connection", REG_DWORD, &number, sizeof number);
    try {
        Walk({"eth0"});
        FAIL() << "no error";
    } catch (const EqxError& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'Name'");
    }
}

TEST_F(RegistryTest, MissingBaseKeyReadsNothing)
{
    EXPECT_TRUE(Walk({"eth0"}).empty());
    auto registry = OpenRegistry(TRegistryRoot::LocalMachine);
    EXPECT_TRUE(registry->OpenKey("\\SOFTWARE\\"));  // opened for reading, no rights needed
    EXPECT_FALSE(registry->GetKeyNames().empty());
}

TEST(WindowsVersionUnderWine, ReportedVersionIsClassifiedAndDiscovered)
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(::GetVersionExW(&info));
#pragma GCC diagnostic pop
    EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    const TqxWindowsVersion v = GetWindowsVersion();
    EXPECT_EQ(v, ClassifyWindowsVersion({info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, ""}))
        << info.dwMajorVersion << "." << info.dwMinorVersion;
    EXPECT_TRUE(ConnectionDiscoveryRuns(v)) << "version " << v;
}

}  // namespace
