#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/qxError.h"
#include "ipsets/o_IPSetTransfer.h"
#include "ipsets/o_StoredIPSets.h"
#include "support/TempStore.h"

namespace {

// What a store holds, IDs aside: its connection names and its sets by value.
struct Contents {
    std::vector<std::string> connections;
    std::vector<TIPSetRecord> sets;
    bool operator==(const Contents&) const = default;
};

Contents Read(TempStore& store)
{
    Contents c{ReadConnectionNames(store.Connections()), {}};
    for (const TStoredIPSet& s : ReadStoredIPSets(store.IPSets(), store.Connections()))
        c.sets.push_back(s);
    return c;
}

struct TransferTest : ::testing::Test {
    QTemporaryDir dir;
    TempStore source;
    TempStore target;

    void SetUp() override
    {
        const int office = source.AddConnection("Office LAN");
        source.AddConnection("Wi-Fi \u00abhome\u00bb \\ 2");
        source.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false, office);
        source.AddIPSet("Auto", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, office);
        source.AddIPSet("Loose", "192.168.1.9", "255.255.255.0", "", "", false, QVariant());
    }
    QString File(const QString& name, const QByteArray& text = {})
    {
        const QString path = dir.filePath(name);
        if (!text.isEmpty()) {
            QFile f(path);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(text);
        }
        return path;
    }
    static TConflictChoice Never(const TIPSetRecord&, const TIPSetRecord&)
    {
        ADD_FAILURE() << "no question expected";
        return TConflictChoice::Skip;
    }
};

TEST_F(TransferTest, ExportThenImportIntoAnEmptyStoreGivesTheSameSetsAndConnections)
{
    const QString path = File("sets.json");
    TqxIPSetTransfer(&source.manager).ExportToFile(path);
    const TImportReport report = TqxIPSetTransfer(&target.manager).ImportFile(path, Never);
    EXPECT_TRUE(report.Refused.isEmpty());
    EXPECT_EQ(report.Added, 3);
    EXPECT_EQ(report.NewConnections, 2);
    EXPECT_EQ(Read(target), Read(source));
    // A second import finds everything stored already and changes nothing.
    const TImportReport again = TqxIPSetTransfer(&target.manager).ImportFile(path, Never);
    EXPECT_EQ(again.Identical, 3);
    EXPECT_FALSE(again.Changed());
    EXPECT_EQ(Read(target), Read(source));
}

struct BadFileCase {
    const char* what;
    QByteArray text;
    const char* message;  // the error's text after the file's path
};

class BadFiles : public TransferTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFiles, AreRefusedWithTheirReasonAndChangeNothing)
{
    const Contents before = Read(source);
    const QString path = File("bad.json", GetParam().text);
    try {
        TqxIPSetTransfer(&source.manager).ImportFile(path, Never);
        ADD_FAILURE() << GetParam().what << ": accepted";
    } catch (const EqxError& e) {
        EXPECT_EQ(e.Message(), (path + ": " + GetParam().message).toStdString()) << GetParam().what;
    }
    EXPECT_EQ(Read(source), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFiles,
    ::testing::Values(
        BadFileCase{"bad JSON", R"({"format":"netvane-ip-sets","version":1,"sets":[}")",
                    "The file is not valid JSON (error at byte 49)"},
        BadFileCase{"newer version", R"({"format":"netvane-ip-sets","version":7,"sets":[]})",
                    "The file is of format version 7, newer than this program reads (1)"},
        BadFileCase{"unknown field",
                    R"({"format":"netvane-ip-sets","version":1,"sets":[{"name":"x","dhcp":true,"metric":5}]})",
                    "Unknown field \"metric\" in IP set 1"}));

TEST_F(TransferTest, ARefusedSetNamesItsReasonAndLeavesTheStoreAsItWas)
{
    const Contents before = Read(source);
    const QString path = File("refused.json", R"({"format":"netvane-ip-sets","version":1,"connections":["New"],
        "sets":[{"name":"Fine","dhcp":false,"address":"10.1.1.1","mask":"255.255.0.0","connection":"New"},
                {"name":"Bad mask","dhcp":false,"address":"10.1.1.2","mask":"255.0.255.0"}]})");
    const TImportReport report = TqxIPSetTransfer(&source.manager).ImportFile(path, Never);
    EXPECT_EQ(report.Refused, QStringList{"IP set 2 \"Bad mask\": Subnet Mask 255.0.255.0 is invalid!"});
    EXPECT_FALSE(report.Changed());
    EXPECT_TRUE(report.Text().startsWith("Nothing was imported."));
    EXPECT_EQ(Read(source), before);
}

struct StoreChoiceCase {
    TConflictChoice choice;
    std::vector<std::string> addresses;  // of the sets named "Office", in table order
    int sets;
    int connections;  // a skipped set brings no connection name either
};

class StoreChoices : public TransferTest, public ::testing::WithParamInterface<StoreChoiceCase> {};

TEST_P(StoreChoices, AConflictIsSettledInTheStoreAsChosen)
{
    TIPSetDocument doc;
    doc.Sets = {TIPSetRecord{"Office", "10.0.0.99", "255.0.0.0", "", "", false, "Elsewhere"}};
    int questions = 0;
    TqxIPSetTransfer(&source.manager).Import(doc, [&](const TIPSetRecord&, const TIPSetRecord&) {
        ++questions;
        return GetParam().choice;
    });
    EXPECT_EQ(questions, 1);
    std::vector<std::string> addresses;
    int count = 0;
    for (const TStoredIPSet& s : ReadStoredIPSets(source.IPSets(), source.Connections())) {
        ++count;
        if (s.Name == "Office") {
            addresses.push_back(s.Address);
            if (s.Address == "10.0.0.99") {
                EXPECT_EQ(s.Connection, "Elsewhere");
            }
        }
    }
    EXPECT_EQ(addresses, GetParam().addresses);
    EXPECT_EQ(count, GetParam().sets);
    // The table the window reads sees the change at once.
    EXPECT_EQ(source.IPSets()->RecordCount(), GetParam().sets);
    EXPECT_EQ(source.Connections()->RecordCount(), GetParam().connections);
}

INSTANTIATE_TEST_SUITE_P(Choices, StoreChoices,
                         ::testing::Values(StoreChoiceCase{TConflictChoice::Replace, {"10.0.0.99"}, 3, 3},
                                           StoreChoiceCase{TConflictChoice::KeepBoth, {"10.0.0.5", "10.0.0.99"}, 4, 3},
                                           StoreChoiceCase{TConflictChoice::Skip, {"10.0.0.5"}, 3, 2}));

TEST_F(TransferTest, ASetWhoseIdNamesNoRowIsNeverReplacedThroughAnother)
{
    // Another tool stored a key beyond 32 bits; read as an int it would be row 1, "Office".
    source.Exec("INSERT INTO IPSets (ID, IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, CONNECTION) "
                "VALUES (4294967297, 'Far', '10.7.0.1', '255.255.0.0', '', '', 0, 4294967297)");
    source.IPSets()->Refresh();
    const Contents before = Read(source);
    EXPECT_EQ(before.sets.back().Connection, "");  // not row 1's "Office LAN"
    TIPSetDocument doc;
    doc.Sets = {TIPSetRecord{"Far", "10.7.0.2", "255.255.0.0", "", "", false, ""}};
    EXPECT_THROW(TqxIPSetTransfer(&source.manager).Import(doc, [](const TIPSetRecord&, const TIPSetRecord&) {
        return TConflictChoice::Replace;
    }),
                 EqxError);
    EXPECT_EQ(Read(source), before);
}

TEST_F(TransferTest, AStoreThatRefusesTheWritesKeepsEverything)
{
    const Contents before = Read(source);
    // Another program's trigger makes the second insert fail inside the transaction.
    source.Exec("CREATE TRIGGER no_second AFTER INSERT ON IPSets WHEN NEW.IPSET_NAME = 'Second' "
                "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END");
    TIPSetDocument doc;
    doc.Connections = {"Brand new"};
    doc.Sets = {TIPSetRecord{"First", "10.9.0.1", "255.255.0.0", "", "", false, "Brand new"},
                TIPSetRecord{"Second", "10.9.0.2", "255.255.0.0", "", "", false, ""}};
    EXPECT_THROW(TqxIPSetTransfer(&source.manager).Import(doc, Never), EqxError);
    EXPECT_EQ(Read(source), before);
}

TEST_F(TransferTest, ExportLeavesOutWhatAnImportWouldRefuseAndSaysWhy)
{
    // What another program stored: an unreadable DHCP value, a connection name netsh
    // cannot be given, and an address that would become several netsh arguments.
    const int quoted = source.AddConnection("Wi-Fi \"guest\"");
    source.AddIPSet("Guest", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, quoted);
    source.AddIPSet("Split", "10.0.0.5 255.0.0.0 gateway=10.0.0.9 name=other", "255.0.0.0", "", "", false, QVariant());
    source.AddIPSet("Maybe", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, QVariant());
    source.AddIPSet("Zeros", "010.000.000.005", "255.000.000.000", "", "", false, QVariant());
    source.Exec("UPDATE IPSets SET DHCP = 'maybe' WHERE IPSET_NAME = 'Maybe'");
    source.IPSets()->Refresh();
    const QString path = File("sets.json");
    const TExportReport report = TqxIPSetTransfer(&source.manager).ExportToFile(path);
    EXPECT_EQ(report.LeftOut,
              (QStringList{"The connection name \"Wi-Fi \"guest\"\" cannot be exported: it contains a quotation mark or "
                           "a control character and cannot be passed to netsh",
                           "The IP set \"Guest\" cannot be exported: The connection name \"Wi-Fi \"guest\"\" contains a "
                           "quotation mark or a control character and cannot be passed to netsh",
                           "The IP set \"Split\" cannot be exported: IP Address 10.0.0.5 255.0.0.0 gateway=10.0.0.9 "
                           "name=other is invalid!",
                           "The IP set \"Maybe\" cannot be exported: its DHCP value cannot be read"}));
    EXPECT_EQ(report.Sets, 4);
    EXPECT_EQ(report.Connections, 2);
    // What was written imports whole, in the form netsh is given it.
    const TImportReport imported = TqxIPSetTransfer(&target.manager).ImportFile(path, Never);
    EXPECT_TRUE(imported.Refused.isEmpty()) << imported.Text().toStdString();
    EXPECT_EQ(imported.Added, 4);
    EXPECT_EQ(Read(target).sets.back(), (TIPSetRecord{"Zeros", "10.0.0.5", "255.0.0.0", "", "", false, ""}));
}

}  // namespace
