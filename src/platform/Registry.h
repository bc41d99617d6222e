#pragma once
// Read-only access to the registry, one open key at a time:
//
//   std::unique_ptr<TqxRegistry> reg = OpenRegistry(TRegistryRoot::LocalMachine);
//   if (reg->OpenKey("\\SYSTEM\\CurrentControlSet\\Control\\Network\\"))
//       for (const std::string& name : reg->GetKeyNames()) ...
//   reg->ReadString("Name");  // "" when missing or empty; EqxError for a non-text value
//
// Paths run from the root key; backslashes at either end are ignored. Names are
// compared without regard to letter case, as the registry does. Texts are UTF-8.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class TRegistryRoot { CurrentUser, LocalMachine };

// Registry value types that the readers tell apart.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

class TqxRegistry {
public:
    virtual ~TqxRegistry() = default;

    // Opens a key for reading, closing the one open before. False when it is
    // missing or may not be read.
    virtual bool OpenKey(const std::string& Path) = 0;
    // The open key's sub-keys, in enumeration order; empty with no key open.
    virtual std::vector<std::string> GetKeyNames() = 0;
    virtual void CloseKey() = 0;

    // A text value of the open key: a missing or empty value reads as "", a text
    // value up to its first null character; a value of any other type raises
    // "Invalid data type for 'Name'".
    std::string ReadString(const std::string& Name);

protected:
    struct TValue {
        std::uint32_t Type = 0;
        std::string Data;  // UTF-8 for the text types, the raw bytes otherwise
    };
    // False when the open key has no such value (or no key is open).
    virtual bool ReadValue(const std::string& Name, TValue& Value) = 0;
};

// The system's registry (on Linux a view of the network connections made to the
// same layout; see NetworkRegistryView.h).
std::unique_ptr<TqxRegistry> OpenRegistry(TRegistryRoot Root);

// Key paths: "\A\B\" -> "A\B"; used by the registries to compare paths.
std::string NormalizeKeyPath(const std::string& Path);
// Letter case aside (ASCII), as the registry compares names.
bool SameKeyName(const std::string& A, const std::string& B);
