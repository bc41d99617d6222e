#pragma once
// The store's IP sets and connection names as plain values, read by row so the
// tables' current rows (an open editor's among them) stay where they are.
#include <QHash>
#include <QString>
#include <string>
#include <vector>

#include "ipsets/IPSetRecord.h"

class TqxTable;

// Every stored set in table order, its connection by name ("" for none or a
// connection that is gone). A set whose ID the program cannot name has Id 0.
std::vector<TStoredIPSet> ReadStoredIPSets(TqxTable* Sets, TqxTable* Connections);
// The first column of row Row of Sets, among those ReadStoredIPSets reads, whose
// stored value cannot be read as its kind ("DHCP" for 'maybe'): its value there
// is a guess. Empty when all can.
QString UnreadableStoredValue(TqxTable* Sets, int Row);
// Each connection's name by its ID, read as the name field reads; IDs the program
// cannot name are left out. The table's current row stays where it is.
QHash<int, QString> ConnectionNamesByID(TqxTable* Connections);
// Every connection name in table order.
std::vector<std::string> ReadConnectionNames(TqxTable* Connections);
