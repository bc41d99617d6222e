#pragma once
#include <QString>

// Writes an empty store (both tables) at path. Refuses when the file exists.
// Used by the netvane-db tool and by tests; the program itself never creates a store.
void CreateEmptyStore(const QString& path);

// The columns each table must have.
extern const char* const kIPSetsFields[8];
extern const char* const kConnectionsFields[2];
