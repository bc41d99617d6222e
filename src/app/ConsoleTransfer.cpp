#include "app/ConsoleTransfer.h"

#include <QCoreApplication>

#include "common/qxError.h"
#include "ipsets/o_IPSetTransfer.h"
#include "store/o_DatabaseConnection.h"

namespace {

const QString kOnConflict = QStringLiteral("on-conflict");

void SayError(QTextStream& err, const QString& message)
{
    err << "netvane: " << QString::fromStdString(MessageWithFullStop(message.toStdString())) << Qt::endl;
}

// A conflict nobody chose an answer for: the import stops before writing anything.
struct TOpenConflict {
    QString Name;
    bool InFile = false;
};

}  // namespace

int ExportIPSetsToFile(TqxIPDBManager& store, const QString& path, QTextStream& out, QTextStream& err)
{
    TqxIPSetTransfer transfer(&store);
    try {
        const TExportReport report = transfer.ExportToFile(path);
        out << QCoreApplication::translate("ConsoleCommands", "Exported to %1 (IP sets: %2, connection names: %3)")
                   .arg(path)
                   .arg(report.Sets)
                   .arg(report.Connections)
            << Qt::endl;
        if (report.LeftOut.isEmpty())
            return 0;
        SayError(err, QCoreApplication::translate("ConsoleCommands", "not everything was exported:\n") + report.LeftOut.join(QLatin1Char('\n')));
        return 1;
    } catch (const std::exception& e) {
        SayError(err, QString::fromUtf8(e.what()));
        return 1;
    }
}

int ImportIPSetsFromFile(TqxIPDBManager& store, const QString& path, const QString& onConflict, QTextStream& out,
                         QTextStream& err)
{
    const QHash<QString, TConflictChoice> choices = {{QStringLiteral("replace"), TConflictChoice::Replace},
                                                     {QStringLiteral("keep"), TConflictChoice::KeepBoth},
                                                     {QStringLiteral("skip"), TConflictChoice::Skip}};
    if (!onConflict.isEmpty() && !choices.contains(onConflict)) {
        SayError(err, QCoreApplication::translate("ConsoleCommands", "--on-conflict takes replace, keep or skip, not \"%1\"").arg(onConflict));
        return CommandLineRequest::kUsageError;
    }
    TqxIPSetTransfer transfer(&store);
    try {
        const TImportReport report =
            transfer.ImportFile(path, [&](const TIPSetRecord& incoming, const TExistingSet& existing) {
                if (onConflict.isEmpty())
                    throw TOpenConflict{QString::fromStdString(incoming.Name), existing.InFile};
                return choices.value(onConflict);
            });
        if (!report.Refused.isEmpty()) {
            SayError(err, report.Text());
            return 1;
        }
        out << report.Text() << Qt::endl;
        return 0;
    } catch (const TOpenConflict& conflict) {
        SayError(err, (conflict.InFile ? QCoreApplication::translate("ConsoleCommands", "the file holds more than one IP set named \"%1\", with other "
                                                        "values; nothing was imported. Choose with "
                                                        "--on-conflict=replace, keep or skip")
                                       : QCoreApplication::translate("ConsoleCommands", "an IP set named \"%1\" is already stored with other values; "
                                                        "nothing was imported. Choose with --on-conflict=replace, "
                                                        "keep or skip"))
                          .arg(conflict.Name));
        return 1;
    } catch (const std::exception& e) {
        SayError(err, QString::fromUtf8(e.what()));
        return 1;
    }
}

void AddTransferActions(std::vector<ConsoleAction>& actions, const StoreRunner& onStore)
{
    actions.push_back({QCommandLineOption(QStringLiteral("export"),
                                          QCoreApplication::translate("ConsoleCommands", "Writes the stored IP sets and connection names to FILE "
                                                         "(JSON) for --import on another machine."),
                                          QCoreApplication::translate("ConsoleCommands", "FILE")),
                       [onStore](const QString& path, const ConsoleSettings&, QTextStream& out, QTextStream& err) {
                           return onStore(err, [&](TqxIPDBManager& store) {
                               return ExportIPSetsToFile(store, path, out, err);
                           });
                       }});
    actions.push_back(
        {QCommandLineOption(QStringLiteral("import"),
                            QCoreApplication::translate("ConsoleCommands", "Adds the IP sets of an --export FILE to the store, all or none: each set "
                                           "is checked as the editor checks it, identical sets are passed over."),
                            QCoreApplication::translate("ConsoleCommands", "FILE")),
         [onStore](const QString& path, const ConsoleSettings& settings, QTextStream& out, QTextStream& err) {
             // Another import may hold the store: this one waits for it, then passes over what it stored.
             IPDBManager()->SetLockWait(TqxIPSetTransfer::kLockWaitMs);
             return onStore(err, [&](TqxIPDBManager& store) {
                 return ImportIPSetsFromFile(store, path, settings.value(kOnConflict), out, err);
             });
         },
         {QCommandLineOption(kOnConflict,
                             QCoreApplication::translate("ConsoleCommands", "With --import: what to do with a set whose name is stored with other "
                                            "values (replace, keep both, skip); without it such a set stops the "
                                            "import."),
                             QStringLiteral("replace|keep|skip"))}});
}
