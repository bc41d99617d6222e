// The IP set editor's "Take Current Settings": a set made from what an adapter
// has now, as the current configuration's snapshot shows it.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "adapters/o_AdapterInformation.h"
#include "controls/o_QXIPEdit.h"
#include "dialogs/AdapterSettings.h"
#include "dialogs/f_IPSet.h"
#include "store/o_DatabaseConnection.h"

void TFrmIPSet::CreateTakeCurrentSettings(QGridLayout* grid, int row)
{
    btnTakeCurrent = new QPushButton(tr("Take Current Settings"), TabSheet1);
    btnTakeCurrent->setObjectName(QStringLiteral("btnTakeCurrent"));
    btnTakeCurrent->setAutoDefault(false);
    lblCurrentSettings = new QLabel(TabSheet1);
    lblCurrentSettings->setObjectName(QStringLiteral("lblCurrentSettings"));
    lblCurrentSettings->setWordWrap(true);
    lblCurrentSettings->setAccessibleName(tr("Current settings"));
    grid->addWidget(btnTakeCurrent, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(lblCurrentSettings, row + 1, 0, 1, 2);
    grid->setRowStretch(row + 2, 1);
    connect(btnTakeCurrent, &QPushButton::clicked, this, &TFrmIPSet::TakeCurrentSettings);
}

void TFrmIPSet::SayCurrentSettings(const QString& text)
{
    lblCurrentSettings->setText(text);
    lblCurrentSettings->setAccessibleDescription(text);
}

int TFrmIPSet::ConnectionIndex(const QString& name) const
{
    return edtConnection->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TFrmIPSet::FillFrom(const TAdapterSettings& settings)
{
    const std::pair<TqxIPEdit*, const std::string*> fields[] = {{edtIPAddress, &settings.Address},
                                                                {edtSubNetMask, &settings.Mask},
                                                                {edtDefGateway, &settings.Gateway},
                                                                {edtDns, &settings.Dns}};
    for (const auto& [edit, value] : fields) {
        // The snapshot holds dotted addresses; one that is none clears the field.
        if (value->empty())
            edit->Clear();
        else
            edit->SetIP(QString::fromStdString(*value));
    }
    DHCPCheck->setChecked(settings.Dhcp);
}

void TFrmIPSet::TakeCurrentSettings()
{
    const int index = edtConnection->currentIndex();
    if (index < 0) {
        SayCurrentSettings(tr("No connection is chosen: choose the connection whose current settings to take."));
        return;
    }
    const QString connection = edtConnection->itemText(index);
    const TqxNetworkAdapter* adapter = FCurrent.AdapterOf(connection.toStdString());
    if (!adapter) {
        SayCurrentSettings(tr("No adapter carries %1 now: there are no current settings to take.").arg(connection));
        return;
    }
    const TAdapterSettings settings = SettingsOf(*adapter);
    if (settings.Address.empty() && !settings.Dhcp) {
        SayCurrentSettings(tr("%1 has no IPv4 address now: there are no current settings to take.").arg(connection));
        return;
    }
    FillFrom(settings);
    SayCurrentSettings(tr("The current settings of %1 were taken.").arg(connection));
}

void TFrmIPSet::TakeSettingsOfAdapter(const QString& adapterName)
{
    const TqxNetworkAdapter* adapter = FCurrent.AdapterNamed(adapterName.toStdString());
    if (!adapter) {
        SayCurrentSettings(tr("The adapter %1 is no longer there: there are no current settings to take.")
                               .arg(adapterName));
        return;
    }
    FillFrom(SettingsOf(*adapter));
    const QString connection = QString::fromStdString(FCurrent.ConnectionOf(adapterName.toStdString()));
    const int index = connection.isEmpty() ? -1 : ConnectionIndex(connection);
    if (index < 0) {
        SayCurrentSettings(
            tr("The current settings of the adapter %1 were taken. No connection name is stored for it: choose its "
               "connection.")
                .arg(adapterName));
        return;
    }
    edtConnection->setCurrentIndex(index);
    ConnectionChosen(index);  // written into the pending row, as a choice in the list is
    SayCurrentSettings(tr("The current settings of %1 were taken.").arg(connection));
}
