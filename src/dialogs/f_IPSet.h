#pragma once
// The IP set editor: a modal dialog over the current row of the IP set table.
// The caller binds the two tables, calls AddIPSet (a new pending row) or
// EditIPSet (the current row), shows it, and refreshes its views afterwards.
// Ok saves the row or keeps the dialog open; Cancel, Escape and the title bar
// drop the pending change, so no half-made row is left behind.
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <optional>

#include "ipsets/ConnectionAdapters.h"

class QCheckBox;
class QGridLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TqxIPEdit;
class TqxTable;
struct TAdapterSettings;

class TFrmIPSet : public QDialog {
    Q_OBJECT
public:
    explicit TFrmIPSet(QWidget* owner = nullptr);

    void SetIPSetDataSet(TqxTable* dataSet);
    void SetConnectionsDataSet(TqxTable* dataSet);
    TqxTable* IPSetDataSet() const { return dsIPSets; }
    TqxTable* ConnectionsDataSet() const { return dsConnections; }

    // Starts a new pending row and empties the fields.
    void AddIPSet();
    // Loads the current row into the fields, then switches it into editing. A
    // stored address the address control rejects ends it with that error.
    void EditIPSet();
    // Checks the fields and posts the row. False when the user has something to
    // correct; an address the row cannot take is refused with EqxError. An edited
    // row gets only the fields the user changed; an untouched one is not written.
    bool SaveData();

    // Where "Take Current Settings" reads the adapters and which connection each
    // carries: the current configuration's snapshot and the system's connection
    // discovery unless set otherwise (tests give canned adapters).
    void SetCurrentConfiguration(TConnectionAdapters source) { FCurrent = std::move(source); }
    // Fills the address, mask, gateway, DNS server and DHCP check from the chosen
    // connection's adapter as the snapshot has it. Without a connection chosen, or
    // without an adapter that carries it, the editor says why and nothing changes.
    void TakeCurrentSettings();
    // The same from the adapter of that name, choosing the connection the discovery
    // stored for it (when there is none, the editor says so and leaves it empty).
    void TakeSettingsOfAdapter(const QString& adapterName);

    QWidget* Panel1;  // the button bar
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* edtIPSetName;
    TqxIPEdit* edtIPAddress;
    TqxIPEdit* edtSubNetMask;
    TqxIPEdit* edtDefGateway;
    TqxIPEdit* edtDns;
    QComboBox* edtConnection;
    QCheckBox* DHCPCheck;
    QPushButton* btnTakeCurrent;
    QLabel* lblCurrentSettings;  // why nothing was taken, or whence it was

public slots:
    void DHCPCheckClick();
    void btnOkClick();
    void btnCancelClick();
    // The title bar's close button and Escape: the same as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // The connection list: its choices from the connection table, its shown
    // value from the IP set row, and what the user picks written into the row.
    void LoadConnectionChoices();
    void ShowRowConnection();
    void ConnectionChosen(int index);
    void ClearConnection();
    void StartEditingRow();
    // The text an address control gives the row: "" for four empty parts.
    QString AddressToStore(TqxIPEdit* edit);
    [[noreturn]] void Refuse(TqxIPEdit* edit, const QString& message);
    // The rules netsh applies to a static set, refused at the field they concern.
    void CheckAddressRules(const QString& address, const QString& mask, const QString& gateway, const QString& dns);

    // The "Take Current Settings" button and its note, below the DHCP check.
    void CreateTakeCurrentSettings(QGridLayout* grid, int row);
    void FillFrom(const TAdapterSettings& settings);
    void SayCurrentSettings(const QString& text);
    // The connection list's entry of that name; -1 when it lists none.
    int ConnectionIndex(const QString& name) const;

    // What the fields show: the name, each address control's four part texts, DHCP.
    struct Shown {
        QString Name;
        QStringList Parts[4];
        bool Dhcp = false;
    };
    Shown ShownNow() const;
    // What they showed once EditIPSet loaded the row; nothing while adding.
    std::optional<Shown> FLoaded;

    QPointer<TqxTable> dsIPSets;
    QPointer<TqxTable> dsConnections;
    TConnectionAdapters FCurrent;
};
