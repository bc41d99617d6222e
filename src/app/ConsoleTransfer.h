#pragma once
// --export FILE and --import FILE [--on-conflict=replace|keep|skip]: the export
// file from the command line, on the program's store, without a window.
#include <QString>
#include <QTextStream>
#include <functional>
#include <vector>

#include "app/NetvaneCommandLine.h"

class TqxIPDBManager;

// Runs work on the program's store, reporting a store that cannot be opened.
using StoreRunner = std::function<int(QTextStream& err, const std::function<int(TqxIPDBManager&)>& work)>;

void AddTransferActions(std::vector<ConsoleAction>& actions, const StoreRunner& onStore);

// 0 when written; 1 with the reason on err.
int ExportIPSetsToFile(TqxIPDBManager& store, const QString& path, QTextStream& out, QTextStream& err);

// onConflict: "replace", "keep", "skip", or empty, when a name stored with other
// values ends the import with nothing changed. 0 when imported; 1 when the file or
// a set was refused or a conflict was left open (nothing changed); 2 for an unknown choice.
int ImportIPSetsFromFile(TqxIPDBManager& store, const QString& path, const QString& onConflict, QTextStream& out,
                         QTextStream& err);
