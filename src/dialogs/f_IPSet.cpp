#include "dialogs/f_IPSet.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/qxApplication.h"
#include "common/qxError.h"
#include "common/qxText.h"
#include "controls/IPAddressParse.h"
#include "controls/IPSetRules.h"
#include "controls/o_QXIPEdit.h"
#include "ipsets/IPSetApplier.h"
#include "store/o_DatabaseConnection.h"

namespace {

QString Trimmed(const QString& text) { return QString::fromStdString(Trim(text.toStdString())); }

QLabel* FieldLabel(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

TFrmIPSet::TFrmIPSet(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("FrmIPSet"));
    setWindowTitle(QCoreApplication::translate("TFrmIPSet", "IP Set"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // The button bar is made first: it comes before the page in the tab order.
    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(48);
    btnOk = new QPushButton(QCoreApplication::translate("TFrmIPSet", "Ok"), Panel1);
    btnCancel = new QPushButton(QCoreApplication::translate("TFrmIPSet", "Cancel"), Panel1);
    // Ok answers Enter (in the name field, say); in an address control Enter
    // commits the address instead, and focus on a button does not make it the default.
    for (QPushButton* b : {btnOk, btnCancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(75);
    }
    btnOk->setDefault(true);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(btnOk);
    bar->addStretch();
    bar->addWidget(btnCancel);

    PageControl1 = new QTabWidget(this);
    PageControl1->setFocusPolicy(Qt::NoFocus);
    TabSheet1 = new QWidget;
    PageControl1->addTab(TabSheet1, QCoreApplication::translate("TFrmIPSet", "IP Set"));

    Label1 = FieldLabel(QCoreApplication::translate("TFrmIPSet", "IP Set Name :"), TabSheet1);
    Label2 = FieldLabel(QCoreApplication::translate("TFrmIPSet", "IP Address :"), TabSheet1);
    Label3 = FieldLabel(QCoreApplication::translate("TFrmIPSet", "Subnet Mask:"), TabSheet1);
    Label4 = FieldLabel(QCoreApplication::translate("TFrmIPSet", "Def.Gateway :"), TabSheet1);
    Label5 = FieldLabel(QCoreApplication::translate("TFrmIPSet", "DNS :"), TabSheet1);
    Label6 = FieldLabel(QCoreApplication::translate("TFrmIPSet", "Connection :"), TabSheet1);

    edtIPSetName = new QLineEdit(TabSheet1);
    const auto newIPEdit = [this](const char* name) {
        auto* edit = new TqxIPEdit;
        edit->SetIPEditorWidth(30);
        edit->setParent(TabSheet1);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    edtIPAddress = newIPEdit("edtIPAddress");
    edtSubNetMask = newIPEdit("edtSubNetMask");
    edtDefGateway = newIPEdit("edtDefGateway");
    edtDns = newIPEdit("edtDns");
    edtConnection = new QComboBox(TabSheet1);
    edtConnection->installEventFilter(this);
    DHCPCheck = new QCheckBox(QCoreApplication::translate("TFrmIPSet", "DHCP Enabled"), TabSheet1);
    edtIPSetName->setObjectName(QStringLiteral("edtIPSetName"));
    // What a screen reader says for each field: the labels' words without their colons.
    edtIPSetName->setAccessibleName(QCoreApplication::translate("TFrmIPSet", "IP Set Name"));
    edtSubNetMask->SetCaption(QCoreApplication::translate("TFrmIPSet", "Subnet Mask"));
    edtDefGateway->SetCaption(QCoreApplication::translate("TFrmIPSet", "Default Gateway"));
    edtDns->SetCaption(QCoreApplication::translate("TFrmIPSet", "DNS Server"));
    edtConnection->setAccessibleName(QCoreApplication::translate("TFrmIPSet", "Connection"));
    edtConnection->setObjectName(QStringLiteral("edtConnection"));
    DHCPCheck->setObjectName(QStringLiteral("DHCPCheck"));

    auto* grid = new QGridLayout(TabSheet1);
    grid->setContentsMargins(16, 20, 24, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    const QList<QPair<QLabel*, QWidget*>> rows = {{Label1, edtIPSetName},  {Label2, edtIPAddress},
                                                  {Label3, edtSubNetMask}, {Label4, edtDefGateway},
                                                  {Label5, edtDns},        {Label6, edtConnection},
                                                  {nullptr, DHCPCheck}};
    for (int r = 0; r < rows.size(); ++r) {
        if (rows[r].first) {
            grid->addWidget(rows[r].first, r, 0);
            rows[r].first->setBuddy(rows[r].second);
        }
        grid->addWidget(rows[r].second, r, 1, Qt::AlignLeft | Qt::AlignVCenter);
    }
    edtIPSetName->setMinimumWidth(230);
    edtConnection->setMinimumWidth(230);
    CreateTakeCurrentSettings(grid, rows.size());
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->setSpacing(0);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(Panel1);
    resize(404, 356);

    connect(DHCPCheck, &QCheckBox::toggled, this, &TFrmIPSet::DHCPCheckClick);
    connect(btnOk, &QPushButton::clicked, this, &TFrmIPSet::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TFrmIPSet::btnCancelClick);
    connect(edtConnection, qOverload<int>(&QComboBox::activated), this, &TFrmIPSet::ConnectionChosen);
}

void TFrmIPSet::SetIPSetDataSet(TqxTable* dataSet)
{
    if (dsIPSets == dataSet)
        return;
    if (dsIPSets)
        disconnect(dsIPSets, nullptr, this, nullptr);
    dsIPSets = dataSet;
    if (dsIPSets)
        connect(dsIPSets, &TqxTable::CurrentChanged, this, &TFrmIPSet::ShowRowConnection);
    ShowRowConnection();
}

void TFrmIPSet::SetConnectionsDataSet(TqxTable* dataSet)
{
    if (dsConnections == dataSet)
        return;
    if (dsConnections)
        disconnect(dsConnections, nullptr, this, nullptr);
    dsConnections = dataSet;
    if (dsConnections)
        connect(dsConnections, &TqxTable::DataChanged, this, &TFrmIPSet::LoadConnectionChoices);
    LoadConnectionChoices();
}

void TFrmIPSet::LoadConnectionChoices()
{
    edtConnection->clear();
    if (dsConnections && dsConnections->Active()) {
        // Read through the stored rows: the connection table's own cursor stays where it is.
        const int idField = dsConnections->FieldIndex(QStringLiteral("ID"));
        const int nameField = dsConnections->FieldIndex(QStringLiteral("CONNECTIONNAME"));
        for (int row = 0; idField >= 0 && nameField >= 0 && row < dsConnections->RecordCount(); ++row) {
            // A connection whose ID no set can hold is no choice: as a number it would be another row's.
            const QVariant id = dsConnections->StoredValue(row, idField);
            if (TqxTable::IsUsableId(id))
                edtConnection->addItem(dsConnections->StoredValue(row, nameField).toString(), id);
        }
    }
    ShowRowConnection();
}

void TFrmIPSet::ShowRowConnection()
{
    int index = -1;
    if (dsIPSets && dsIPSets->Active() && (dsIPSets->RecNo() >= 0 || dsIPSets->State() != TDataSetState::dsBrowse)) {
        const TqxField connection = dsIPSets->FieldByName(QStringLiteral("CONNECTION"));
        // Called from the table's signals too: an unreadable value shows as no connection, never raises.
        if (!connection.IsNull() && connection.IsReadable())
            index = edtConnection->findData(connection.AsInteger());
    }
    edtConnection->setCurrentIndex(index);
}

void TFrmIPSet::StartEditingRow()
{
    // The list switches the row into editing by itself, as data-aware controls do.
    if (dsIPSets->State() == TDataSetState::dsBrowse)
        dsIPSets->Edit();
}

void TFrmIPSet::ConnectionChosen(int index)
{
    RunCommand([this, index] {
        if (!dsIPSets || index < 0)
            return;
        StartEditingRow();
        dsIPSets->FieldByName(QStringLiteral("CONNECTION")).SetAsInteger(edtConnection->itemData(index).toInt());
    });
}

void TFrmIPSet::ClearConnection()
{
    RunCommand([this] {
        if (!dsIPSets)
            return;
        StartEditingRow();
        dsIPSets->FieldByName(QStringLiteral("CONNECTION")).Clear();
    });
    ShowRowConnection();
}

bool TFrmIPSet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtConnection && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        ClearConnection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmIPSet::AddIPSet()
{
    FLoaded.reset();
    dsIPSets->Insert();
    edtIPSetName->setText(QString());
    for (TqxIPEdit* edit : {edtIPAddress, edtSubNetMask, edtDefGateway, edtDns})
        edit->SetIP(QString());
    DHCPCheck->setChecked(false);
}

TFrmIPSet::Shown TFrmIPSet::ShownNow() const
{
    Shown shown;
    shown.Name = edtIPSetName->text();
    const TqxIPEdit* edits[4] = {edtIPAddress, edtSubNetMask, edtDefGateway, edtDns};
    for (int i = 0; i < 4; ++i)
        for (int part = 1; part <= 4; ++part)
            shown.Parts[i] << (edits[i]->Editor(part) ? edits[i]->Editor(part)->text() : QString());
    shown.Dhcp = DHCPCheck->isChecked();
    return shown;
}

void TFrmIPSet::EditIPSet()
{
    FLoaded.reset();
    TqxIPSetApplier::RefuseUnreadable(
        dsIPSets, tr("The IP set \"%1\" cannot be edited: its %2 value cannot be read"));
    edtIPSetName->setText(dsIPSets->FieldByName(QStringLiteral("IPSET_NAME")).AsString());
    edtIPAddress->SetIP(dsIPSets->FieldByName(QStringLiteral("IPADDRESS")).AsString());
    edtSubNetMask->SetIP(dsIPSets->FieldByName(QStringLiteral("SUBNETMASK")).AsString());
    edtDefGateway->SetIP(dsIPSets->FieldByName(QStringLiteral("GATEWAY")).AsString());
    edtDns->SetIP(dsIPSets->FieldByName(QStringLiteral("DNS")).AsString());
    DHCPCheck->setChecked(dsIPSets->FieldByName(QStringLiteral("DHCP")).AsBoolean());
    dsIPSets->Edit();
    FLoaded = ShownNow();
}

void TFrmIPSet::DHCPCheckClick()
{
    const bool staticSet = !DHCPCheck->isChecked();
    for (TqxIPEdit* edit : {edtIPAddress, edtSubNetMask, edtDefGateway, edtDns})
        edit->setEnabled(staticSet);
}

void TFrmIPSet::Refuse(TqxIPEdit* edit, const QString& message)
{
    if (QWidget* part = edit->Editor(1))
        part->setFocus(Qt::OtherFocusReason);
    throw EqxError(message.toStdString());
}

QString TFrmIPSet::AddressToStore(TqxIPEdit* edit)
{
    if (edit->PartsEmpty())
        return QString();
    // What the user typed counts even when it was never committed by Enter.
    try {
        edit->CommitTypedText();
    } catch (const EqxError& e) {
        Refuse(edit, QString::fromStdString(e.Message()));
    }
    // The control also takes signs and hexadecimal parts; netsh takes plain decimal ones only.
    const QString address = Trimmed(edit->IP());
    if (!IsDottedAddress(address.toStdString()))
        Refuse(edit, tr("IP Address %1 is invalid!").arg(edit->IP()));
    return address;
}

void TFrmIPSet::CheckAddressRules(const QString& address, const QString& mask, const QString& gateway,
                                  const QString& dns)
{
    // The rules import shares; an empty gateway or DNS server is none.
    TStaticValues values{address.toStdString(), mask.toStdString(), gateway.toStdString(), dns.toStdString()};
    const std::optional<TValueFault> fault = NormalizeStaticValues(values);
    if (!fault)
        return;
    TqxIPEdit* const edits[] = {edtIPAddress, edtSubNetMask, edtDefGateway, edtDns};
    Refuse(edits[static_cast<int>(fault->Field)], QString::fromStdString(fault->Message));
}

bool TFrmIPSet::SaveData()
{
    // Trimmed of every kind of blank: a name of U+3000 alone is as empty as one of spaces.
    std::string trimmed = edtIPSetName->text().toStdString();
    const std::optional<TNameFault> nameFault = NormalizeSetName(trimmed);
    const QString name = QString::fromStdString(trimmed);
    if (nameFault == TNameFault::Blank) {
        QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), QCoreApplication::translate("TFrmIPSet", "Empty IP Set Name !! "),
                        QMessageBox::Ok, this);
        box.exec();
        edtIPSetName->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!dsIPSets || dsIPSets->State() == TDataSetState::dsBrowse)
        return true;
    for (TqxIPEdit* edit : {edtIPAddress, edtSubNetMask, edtDefGateway, edtDns})
        edit->DiscardPendingReport();  // reported below, once

    // Only what the user changed is written: an untouched value may be one the
    // fields cannot hold exactly (a name beyond their length, bytes that are no text).
    const Shown now = ShownNow();
    const bool adding = !FLoaded;
    const bool nameChanged = adding || now.Name != FLoaded->Name;
    // A control character would make the tree, --apply and an export each show the name otherwise.
    if (nameChanged && nameFault) {
        edtIPSetName->setFocus(Qt::OtherFocusReason);
        throw EqxError(SetNameFaultText(*nameFault));
    }
    const bool dhcp = now.Dhcp;
    const bool dhcpChanged = adding || dhcp != FLoaded->Dhcp;
    TqxIPEdit* const edits[4] = {edtIPAddress, edtSubNetMask, edtDefGateway, edtDns};
    const char* const columns[4] = {"IPADDRESS", "SUBNETMASK", "GATEWAY", "DNS"};
    QString values[4];
    bool write[4];
    for (int i = 0; i < 4; ++i)
        write[i] = dhcp ? dhcpChanged : dhcpChanged || now.Parts[i] != FLoaded->Parts[i];
    if (dhcp) {
        for (QString& value : values)
            value = QStringLiteral("0.0.0.0");
    } else if (write[0] || write[1] || write[2] || write[3]) {
        // The four belong together (the gateway lies in the subnet): one changed, all are checked.
        for (int i = 0; i < 4; ++i)
            values[i] = AddressToStore(edits[i]);
        CheckAddressRules(values[0], values[1], values[2], values[3]);
    }
    if (nameChanged)
        dsIPSets->FieldByName(QStringLiteral("IPSET_NAME")).SetAsString(name);
    for (int i = 0; i < 4; ++i)
        if (write[i])
            dsIPSets->FieldByName(QLatin1String(columns[i])).SetAsString(values[i]);
    if (dhcpChanged)
        dsIPSets->FieldByName(QStringLiteral("DHCP")).SetAsBoolean(dhcp);
    dsIPSets->Post();
    return true;
}

void TFrmIPSet::btnOkClick()
{
    RunCommand([this] {
        if (SaveData())
            done(1);
    });
}

void TFrmIPSet::btnCancelClick()
{
    if (dsIPSets)
        dsIPSets->Cancel();
    done(1);
}

void TFrmIPSet::reject()
{
    if (dsIPSets)
        dsIPSets->Cancel();
    QDialog::reject();
}

void TFrmIPSet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmIPSet::FormShow()
{
    CenterOnScreen(this);
    if (edtIPSetName->isEnabled() && edtIPSetName->focusPolicy() != Qt::NoFocus)
        edtIPSetName->setFocus(Qt::OtherFocusReason);
}
