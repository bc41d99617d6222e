#pragma once
// The file that carries IP sets from one machine to another: JSON with a format
// name and version, the connection names, and each set by its values with its
// connection by name.
//
//   {"format": "netvane-ip-sets", "version": 1,
//    "connections": ["Office LAN"],
//    "sets": [{"name": "Office", "dhcp": false, "address": "10.0.0.5", "mask": "255.0.0.0",
//              "gateway": "10.0.0.1", "dns": "10.0.0.2", "connection": "Office LAN"}]}
//
// Reading is strict: a field it does not know or a newer version is refused, so
// nothing in a file is dropped without a word.
#include <string>
#include <string_view>
#include <vector>

#include "ipsets/IPSetRecord.h"

inline constexpr int kIPSetDocumentVersion = 1;
inline constexpr const char* kIPSetDocumentFormat = "netvane-ip-sets";
// How deep lists and objects may nest in a file that is read (an export nests three deep).
inline constexpr int kDeepestIPSetDocument = 32;

struct TIPSetDocument {
    std::vector<std::string> Connections;
    std::vector<TIPSetRecord> Sets;
};

// The document's text, written at the current version; a set without connection has "connection": null.
std::string WriteIPSetDocument(const TIPSetDocument& Document);

// Reads a document; raises EqxError saying what is wrong and where (which set,
// which field) for anything but a well-formed document of a version it knows.
TIPSetDocument ReadIPSetDocument(std::string_view Text);
