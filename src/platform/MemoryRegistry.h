#pragma once
// A registry held in memory: the Linux view of the network connections and the
// test double of the real registry. Sub-keys enumerate in the order they were added.
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"

class TqxMemoryRegistry : public TqxRegistry {
public:
    TqxMemoryRegistry();
    ~TqxMemoryRegistry() override;

    // Makes the key and the keys above it where they are missing.
    void AddKey(const std::string& Path);
    void SetString(const std::string& Path, const std::string& Name, const std::string& Text,
                   std::uint32_t Type = kRegSz);
    void SetValue(const std::string& Path, const std::string& Name, std::uint32_t Type, const std::string& Data);
    // The key stays listed, but opening it fails, as for a key the user may not read.
    void DenyKey(const std::string& Path);

    bool OpenKey(const std::string& Path) override;
    std::vector<std::string> GetKeyNames() override;
    void CloseKey() override;
    bool IsKeyOpen() const { return FOpen != nullptr; }

protected:
    bool ReadValue(const std::string& Name, TValue& Value) override;

private:
    struct TKey;
    TKey* Find(const std::string& Path) const;
    TKey& Make(const std::string& Path);

    std::unique_ptr<TKey> FRoot;
    TKey* FOpen = nullptr;
};
