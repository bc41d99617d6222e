#include "platform/MemoryRegistry.h"

#include <sstream>
#include <utility>

struct TqxMemoryRegistry::TKey {
    std::string Name;
    bool Denied = false;
    std::vector<std::unique_ptr<TKey>> SubKeys;
    std::vector<std::pair<std::string, TValue>> Values;

    TKey* SubKey(const std::string& Wanted) const
    {
        for (const auto& key : SubKeys)
            if (SameKeyName(key->Name, Wanted))
                return key.get();
        return nullptr;
    }
};

namespace {
std::vector<std::string> PathParts(const std::string& Path)
{
    std::vector<std::string> parts;
    std::istringstream in(NormalizeKeyPath(Path));
    for (std::string part; std::getline(in, part, '\\');)
        parts.push_back(part);
    return parts;
}
}  // namespace

TqxMemoryRegistry::TqxMemoryRegistry() : FRoot(std::make_unique<TKey>()) {}
TqxMemoryRegistry::~TqxMemoryRegistry() = default;

TqxMemoryRegistry::TKey* TqxMemoryRegistry::Find(const std::string& Path) const
{
    TKey* key = FRoot.get();
    for (const std::string& part : PathParts(Path))
        if (!(key = key->SubKey(part)))
            return nullptr;
    return key;
}

TqxMemoryRegistry::TKey& TqxMemoryRegistry::Make(const std::string& Path)
{
    TKey* key = FRoot.get();
    for (const std::string& part : PathParts(Path)) {
        TKey* next = key->SubKey(part);
        if (!next) {
            key->SubKeys.push_back(std::make_unique<TKey>());
            next = key->SubKeys.back().get();
            next->Name = part;
        }
        key = next;
    }
    return *key;
}

void TqxMemoryRegistry::AddKey(const std::string& Path) { Make(Path); }

void TqxMemoryRegistry::SetString(const std::string& Path, const std::string& Name, const std::string& Text,
                                  std::uint32_t Type)
{
    SetValue(Path, Name, Type, Text);
}

void TqxMemoryRegistry::SetValue(const std::string& Path, const std::string& Name, std::uint32_t Type,
                                 const std::string& Data)
{
    TKey& key = Make(Path);
    for (auto& [name, value] : key.Values)
        if (SameKeyName(name, Name)) {
            value = TValue{Type, Data};
            return;
        }
    key.Values.emplace_back(Name, TValue{Type, Data});
}

void TqxMemoryRegistry::DenyKey(const std::string& Path) { Make(Path).Denied = true; }

bool TqxMemoryRegistry::OpenKey(const std::string& Path)
{
    CloseKey();
    TKey* key = Find(Path);
    if (!key || key->Denied)
        return false;
    FOpen = key;
    return true;
}

std::vector<std::string> TqxMemoryRegistry::GetKeyNames()
{
    std::vector<std::string> names;
    if (FOpen)
        for (const auto& key : FOpen->SubKeys)
            names.push_back(key->Name);
    return names;
}

void TqxMemoryRegistry::CloseKey() { FOpen = nullptr; }

bool TqxMemoryRegistry::ReadValue(const std::string& Name, TValue& Value)
{
    if (!FOpen)
        return false;
    for (const auto& [name, value] : FOpen->Values)
        if (SameKeyName(name, Name)) {
            Value = value;
            return true;
        }
    return false;
}
