// The main window's commands that move IP sets in and out of the store, and the
// marks of the sets in effect, kept current as the network changes.
#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "app/ApplyMenu.h"
#include "app/Pictures.h"
#include "app/f_main.h"
#include "app/qxApplication.h"
#include "common/qxError.h"
#include "ipsets/o_IPSetManager.h"
#include "ipsets/o_IPSetTransfer.h"
#include "ipsets/o_LiveRefresh.h"
#include "store/o_DatabaseConnection.h"

namespace {

QString FileFilter() { return QCoreApplication::translate("TFrmMain", "IP set files (*.json);;All files (*)"); }

// Raised from the conflict question when the user cancels: nothing has been written then.
struct TImportCancelled {};

QString Describe(const TIPSetRecord& set)
{
    if (set.Dhcp)
        return QCoreApplication::translate("TFrmMain", "DHCP, connection \"%1\"").arg(QString::fromStdString(set.Connection));
    return QCoreApplication::translate("TFrmMain", "%1 / %2, gateway %3, DNS %4, connection \"%5\"")
        .arg(QString::fromStdString(set.Address), QString::fromStdString(set.Mask),
             QString::fromStdString(set.Gateway.empty() ? "none" : set.Gateway),
             QString::fromStdString(set.Dns.empty() ? "none" : set.Dns), QString::fromStdString(set.Connection));
}

// Replace / Keep Both / Skip, or Cancel for the whole import.
TConflictChoice AskConflict(QWidget* parent, const TIPSetRecord& incoming, const TExistingSet& existing)
{
    // Two sets of one name in the file are not "already stored": the question says which it is.
    const QString question =
        existing.InFile ? QCoreApplication::translate("TFrmMain", "The file holds more than one IP set named \"%1\", "
                                                                  "with other values.\n\nEarlier in the file: %2\n"
                                                                  "Later in the file: %3")
                        : QCoreApplication::translate("TFrmMain", "An IP set named \"%1\" is already stored with other values.\n\n"
                                         "Stored: %2\nIn the file: %3");
    QMessageBox box(QMessageBox::Question, ProgramCaption(),
                    question.arg(QString::fromStdString(incoming.Name), Describe(existing), Describe(incoming)),
                    QMessageBox::Yes | QMessageBox::Ignore | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("TFrmMain", "Replace"));
    box.button(QMessageBox::Ignore)->setText(QCoreApplication::translate("TFrmMain", "Keep Both"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("TFrmMain", "Skip"));
    box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TConflictChoice::Replace;
    case QMessageBox::Ignore:
        return TConflictChoice::KeepBoth;
    case QMessageBox::No:
        return TConflictChoice::Skip;
    default:
        throw TImportCancelled{};
    }
}

}  // namespace

void TFrmMain::CreateSetTransferActions()
{
    ExportIPSets1 = NewAction("ExportIPSets1", tr("Export IP Sets..."), -1);
    ImportIPSets1 = NewAction("ImportIPSets1", tr("Import IP Sets..."), -1);
    connect(ExportIPSets1, &QAction::triggered, this, &TFrmMain::ExportIPSets1Click);
    connect(ImportIPSets1, &QAction::triggered, this, &TFrmMain::ImportIPSets1Click);
    // Between the refresh command and Exit.
    File1->insertActions(Exit1, {ExportIPSets1, ImportIPSets1});
    File1->insertSeparator(Exit1);
}

void TFrmMain::ExportIPSets1Click()
{
    const QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("TFrmMain", "Export IP Sets"),
                                                      QStringLiteral("ip-sets.json"), FileFilter());
    if (!path.isEmpty())
        RunCommand([this, path] { ExportIPSetsTo(path); });
}

void TFrmMain::ImportIPSets1Click()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QCoreApplication::translate("TFrmMain", "Import IP Sets"), QString(), FileFilter());
    if (!path.isEmpty())
        RunCommand([this, path] { ImportIPSetsFrom(path); });
}

void TFrmMain::ExportIPSetsTo(const QString& path)
{
    TqxIPSetTransfer transfer(IPDBManager());
    const TExportReport report = transfer.ExportToFile(path);
    StatusBar->showMessage(QCoreApplication::translate("TFrmMain", "IP sets exported to %1").arg(path), 10000);
    if (report.LeftOut.isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, ProgramCaption(),
                    QCoreApplication::translate("TFrmMain", "IP sets exported to %1, but not all:\n%2")
                        .arg(path, report.LeftOut.join(QLatin1Char('\n'))),
                    QMessageBox::Ok, this);
    box.exec();
}

void TFrmMain::ImportIPSetsFrom(const QString& path)
{
    TqxIPSetTransfer transfer(IPDBManager());
    TImportReport report;
    try {
        report = transfer.ImportFile(path, [this](const TIPSetRecord& incoming, const TExistingSet& existing) {
            return AskConflict(this, incoming, existing);
        });
    } catch (const TImportCancelled&) {
        StatusBar->showMessage(QCoreApplication::translate("TFrmMain", "Import cancelled; nothing was changed"), 10000);
        return;
    }
    if (report.Changed())
        RefreshStoredSets();
    QMessageBox box(report.Refused.isEmpty() ? QMessageBox::Information : QMessageBox::Warning, ProgramCaption(),
                    report.Text(), QMessageBox::Ok, this);
    box.exec();
}

void TFrmMain::StartLiveMarks()
{
    FIPManager->SetInEffectIcon(ProgramPicture("12-in-effect"));
    connect(FIPManager, &TqxIPSetManager::InEffectChanged, this, &TFrmMain::UpdateApplyMenuChecks);
    // A click toggles an item's check; what is in effect decides it again.
    connect(ApplyIPSet1, &QMenu::triggered, this, &TFrmMain::UpdateApplyMenuChecks);
    FLiveRefresh = new TqxLiveRefresh(FIPManager, this);
    connect(FLiveRefresh, &TqxLiveRefresh::RefreshFailed, this,
            [this](const QString& message) { StatusBar->showMessage(message, 10000); });
    // Without change notices the window still works; Refresh reads the system on request.
    if (!FLiveRefresh->Start())
        StatusBar->showMessage(FLiveRefresh->Error(), 10000);
}

void TFrmMain::UpdateApplyMenuChecks()
{
    if (FIPManager && FApplyMenu)
        FApplyMenu->SetInEffect(FIPManager->InEffectIDs());
}
