#pragma once
// An IP set by its values, its connection by name ("" for none): the form in
// which sets are compared, exported and imported, away from the store's IDs.
#include <string>

struct TIPSetRecord {
    std::string Name;
    std::string Address;
    std::string Mask;
    std::string Gateway;
    std::string Dns;
    bool Dhcp = false;
    std::string Connection;

    bool operator==(const TIPSetRecord&) const = default;
};

// A set as stored: its values and its row's ID.
struct TStoredIPSet : TIPSetRecord {
    int Id = 0;
};
