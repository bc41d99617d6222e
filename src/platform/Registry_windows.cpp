// The real registry, opened for reading only: all-access would fail for users
// without administrator rights, and nothing here writes.
#include <windows.h>

#include "platform/Registry.h"
#include "platform/WideText.h"

namespace {

class TqxWindowsRegistry : public TqxRegistry {
public:
    explicit TqxWindowsRegistry(HKEY Root) : FRoot(Root) {}
    ~TqxWindowsRegistry() override { CloseKey(); }

    bool OpenKey(const std::string& Path) override
    {
        CloseKey();
        const std::wstring path = Utf8ToWide(NormalizeKeyPath(Path));
        HKEY key = nullptr;
        if (::RegOpenKeyExW(FRoot, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        FKey = key;
        return true;
    }

    std::vector<std::string> GetKeyNames() override
    {
        std::vector<std::string> names;
        DWORD count = 0, longest = 0;
        if (!FKey || ::RegQueryInfoKeyW(FKey, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                                        nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        std::wstring name(longest + 1, L'\0');
        for (DWORD i = 0; i < count; ++i) {
            DWORD size = static_cast<DWORD>(name.size());
            if (::RegEnumKeyExW(FKey, i, name.data(), &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
                names.push_back(WideToUtf8(std::wstring_view(name.data(), size)));
        }
        return names;
    }

    void CloseKey() override
    {
        if (FKey)
            ::RegCloseKey(FKey);
        FKey = nullptr;
    }

protected:
    bool ReadValue(const std::string& Name, TValue& Value) override
    {
        const std::wstring name = Utf8ToWide(Name);
        DWORD type = 0, size = 0;
        if (!FKey || ::RegQueryValueExW(FKey, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return false;
        std::string bytes(size, '\0');
        if (size && ::RegQueryValueExW(FKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                                       &size) != ERROR_SUCCESS)
            return false;
        bytes.resize(size);
        Value.Type = type;
        if (type == REG_SZ || type == REG_EXPAND_SZ)
            Value.Data = WideToUtf8(std::wstring_view(reinterpret_cast<const wchar_t*>(bytes.data()),
                                                      bytes.size() / sizeof(wchar_t)));
        else
            Value.Data = std::move(bytes);
        return true;
    }

private:
    HKEY FRoot;
    HKEY FKey = nullptr;
};

}  // namespace

std::unique_ptr<TqxRegistry> OpenRegistry(TRegistryRoot Root)
{
    return std::make_unique<TqxWindowsRegistry>(Root == TRegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE
                                                                                    : HKEY_CURRENT_USER);
}
