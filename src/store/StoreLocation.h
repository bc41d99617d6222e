#pragma once
// Where the IP set store lives.
//
// Portable: something named DataBase stands beside the program (a build folder,
// a copy on a stick): the store is DataBase/ipdb.ipdb there, and the program never
// makes it; a missing or unusable one is refused as always.
// Installed: otherwise the store is the user's own, DataBase/ipdb.ipdb under the
// user's data folder for this application ($XDG_DATA_HOME/netvane, %APPDATA%\netvane),
// made empty on the first start.
#include <QString>

struct StoreLocation {
    QString Path;
    bool Portable = false;
};

// The choice itself, from the program's folder and the user's data folder for this application.
StoreLocation ChooseStoreLocation(const QString& programFolder, const QString& userDataFolder);

// The choice for the running program: QCoreApplication::applicationDirPath() and
// QStandardPaths' AppDataLocation (so the application's name must be set first).
StoreLocation UsersStoreLocation();

// Makes the empty store of an installed copy when there is none yet; true when it
// made one. Whatever exists at the path is left alone, usable or not (opening it
// then refuses it by name), and so is a link to a missing file, which SQLite would
// otherwise follow and make. Raises EqxError, naming the path, when it cannot make it.
bool MakeStoreOnFirstStart(const StoreLocation& location);

// What the program says once after making the store.
QString StoreMadeMessage(const QString& path);
