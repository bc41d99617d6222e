#pragma once
// TqxIPSystemConnections adds the names of the machine's network connections to
// the store's Connections table at start, announcing each new one with a tray
// balloon. It never changes or removes a row: names gone from the machine stay.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <string>
#include <vector>

#include "platform/WindowsVersion.h"

class TqxRegistry;
class TqxTable;

class TqxIPSystemConnections : public QObject {
    Q_OBJECT
public:
    explicit TqxIPSystemConnections(QObject* owner = nullptr);

    // References only; a component that is destroyed reads as empty afterwards.
    TqxTable* ConnectionsDataSet() const { return FConnectionsDataSet; }
    TqxTable* IPSetDataSet() const { return FIPSetDataSet; }  // held, not read
    QSystemTrayIcon* TrayIcon() const { return FTrayIcon; }
    void SetConnectionsDataSet(TqxTable* value) { FConnectionsDataSet = value; }
    void SetIPSetDataSet(TqxTable* value) { FIPSetDataSet = value; }
    void SetTrayIcon(QSystemTrayIcon* value) { FTrayIcon = value; }

    // The discovery against this machine: its registry, its system version and the
    // adapters the adapter manager last enumerated.
    void Initialize();

    // The discovery against the given registry, system and adapter names. An error
    // drops the pending new row and passes on; rows posted before it stay. The first
    // name the store refuses is reported by balloon; the discovery goes on.
    void ReadSystemConnections(TqxRegistry& Registry, const std::string& BasePath, TqxWindowsVersion Version,
                               const std::vector<std::string>& AdapterNames);

private:
    void ReadSystemConnections();
    void MergeConnectionName(const QString& Name);
    void NotifyNewConnection(const QString& Name);

    QPointer<TqxTable> FConnectionsDataSet;
    QPointer<TqxTable> FIPSetDataSet;
    QPointer<QSystemTrayIcon> FTrayIcon;
    bool FInsertRefused = false;
};

// The single discovery component, created on first use with the application object as owner.
TqxIPSystemConnections* IPSystemConnections();
