#include <gtest/gtest.h>

#include <QDir>
#include <functional>
#include <vector>

#include "common/qxError.h"
#include "support/TempStore.h"

namespace {
const QString kName = QStringLiteral("IPSET_NAME");
const QString kConn = QStringLiteral("CONNECTION");
const QString kID = QStringLiteral("ID");

QStringList Names(TqxTable* t)
{
    QStringList out;
    for (t->First(); !t->Eof(); t->Next())
        out << t->FieldByName(kName).AsString();
    return out;
}
}  // namespace

TEST(Table, EmptyTablesEndEveryWalkAtOnce)
{
    TempStore s;
    for (TqxTable* t : {s.IPSets(), s.Connections()}) {
        t->First();
        EXPECT_TRUE(t->Eof());
        EXPECT_EQ(t->RecordCount(), 0);
        EXPECT_EQ(t->FieldByName(kID).AsInteger(), 0);
        EXPECT_FALSE(t->Locate(kID, 0));
        EXPECT_THROW(t->Delete(), EqxError);
    }
}

TEST(Table, PostedRowsGetFreshPositiveIdsAndKeepTheirOrder)
{
    TempStore s;
    const int a = s.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false, QVariant());
    const int b = s.AddIPSet("Home", "", "", "", "", true, QVariant());
    const int c = s.AddIPSet("Lab", "", "", "", "", false, QVariant());
    EXPECT_GT(a, 0);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_EQ(Names(s.IPSets()), (QStringList{"Office", "Home", "Lab"}));

    // A deleted row's ID is never handed out again.
    ASSERT_TRUE(s.IPSets()->Locate(kID, c));
    s.IPSets()->Delete();
    const int d = s.AddIPSet("Again", "", "", "", "", false, QVariant());
    EXPECT_GT(d, c);
    s.IPSets()->Refresh();
    EXPECT_EQ(Names(s.IPSets()), (QStringList{"Office", "Home", "Again"}));
}

TEST(Table, ReadersTurnNullsIntoZeroEmptyAndFalse)
{
    TempStore s;
    s.IPSets()->Insert();
    s.IPSets()->FieldByName(kName).SetAsString("only a name");
    s.IPSets()->Post();
    s.IPSets()->Refresh();
    ASSERT_TRUE(s.IPSets()->Locate(kName, "only a name"));
    EXPECT_TRUE(s.IPSets()->FieldByName(kConn).IsNull());
    EXPECT_EQ(s.IPSets()->FieldByName(kConn).AsInteger(), 0);
    EXPECT_EQ(s.IPSets()->FieldByName("DNS").AsString(), "");
    EXPECT_FALSE(s.IPSets()->FieldByName("DHCP").AsBoolean());
    EXPECT_EQ(s.IPSets()->FieldByName("DHCP").AsString(), "");
    // A null CONNECTION reads 0, and 0 names no connection.
    s.AddConnection("eth0");
    EXPECT_FALSE(s.Connections()->Locate(kID, s.IPSets()->FieldByName(kConn).AsInteger()));
}

TEST(Table, BooleansReadAsTrueFalseAndSurviveTheFile)
{
    TempStore s;
    s.AddIPSet("d", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, QVariant());
    s.AddIPSet("s", "1.2.3.4", "255.0.0.0", "", "", false, QVariant());
    s.IPSets()->Refresh();
    s.IPSets()->First();
    EXPECT_EQ(s.IPSets()->FieldByName("DHCP").AsString(), "True");
    EXPECT_TRUE(s.IPSets()->FieldByName("DHCP").AsBoolean());
    s.IPSets()->Next();
    EXPECT_EQ(s.IPSets()->FieldByName("DHCP").AsString(), "False");
}

TEST(Table, FieldNamesIgnoreLetterCaseAndUnknownNamesFail)
{
    TempStore s;
    s.AddConnection("Wired connection 1");
    EXPECT_EQ(s.Connections()->FieldByName("connectionname").AsString(), "Wired connection 1");
    EXPECT_EQ(s.Connections()->FieldByName("ConnectionName").FieldName(), "CONNECTIONNAME");
    try {
        s.Connections()->FieldByName("NOPE");
        FAIL() << "no error";
    } catch (const EqxError& e) {
        EXPECT_EQ(e.Message(), "Connections: Field 'NOPE' not found");
    }
    EXPECT_THROW(s.Connections()->Locate("NOPE", 1), EqxError);
}

TEST(Table, LocateMatchesWholeValuesExactly)
{
    TempStore s;
    s.AddConnection("Wired connection 10");
    const int id = s.AddConnection("Wired connection 1");
    s.AddConnection("wlan0");
    EXPECT_FALSE(s.Connections()->Locate("CONNECTIONNAME", "Wired"));
    EXPECT_FALSE(s.Connections()->Locate("CONNECTIONNAME", "WLAN0"));
    EXPECT_FALSE(s.Connections()->Locate("CONNECTIONNAME", "wlan0 "));
    ASSERT_TRUE(s.Connections()->Locate("CONNECTIONNAME", "Wired connection 1"));
    EXPECT_EQ(s.Connections()->FieldByName(kID).AsInteger(), id);

    // A failed search leaves the current row alone.
    s.Connections()->First();
    EXPECT_FALSE(s.Connections()->Locate(kID, 999));
    EXPECT_EQ(s.Connections()->FieldByName("CONNECTIONNAME").AsString(), "Wired connection 10");
    EXPECT_TRUE(s.Connections()->Locate(kID, QString::number(id)));
}

TEST(Table, KeysOutsideThirtyTwoBitsNeverStandForAnotherRow)
{
    TempStore s;
    const int one = s.AddConnection("one");
    s.Exec({"INSERT INTO Connections (ID, CONNECTIONNAME) VALUES (4294967297, 'far')",
            "INSERT INTO Connections (ID, CONNECTIONNAME) VALUES (0, 'zero')",
            "INSERT INTO Connections (ID, CONNECTIONNAME) VALUES (-3, 'below')"});
    TqxTable* t = s.Connections();
    t->Refresh();
    EXPECT_EQ(t->RecordCount(), 4);
    for (const QVariant& id : {QVariant(4294967297LL), QVariant(0), QVariant(-3), QVariant("4294967297")})
        EXPECT_FALSE(t->Locate(kID, id)) << id.toString().toStdString();
    ASSERT_TRUE(t->Locate(kID, one));
    EXPECT_EQ(t->FieldByName("CONNECTIONNAME").AsString(), "one");

    // Reached by walking, the far row keeps its own key: reading it as a number is refused,
    // and deleting it deletes it alone.
    for (t->First(); !t->Eof() && t->FieldByName("CONNECTIONNAME").AsString() != "far"; t->Next()) {
    }
    ASSERT_FALSE(t->Eof());
    EXPECT_FALSE(t->FieldByName(kID).IsReadable());
    EXPECT_EQ(t->UnreadableField(), "ID");
    EXPECT_EQ(t->CurrentId(), QVariant(4294967297LL));
    EXPECT_FALSE(TqxTable::IsUsableId(t->CurrentId()));
    EXPECT_THROW(t->FieldByName(kID).AsInteger(), EqxError);
    t->Delete();
    t->Refresh();
    EXPECT_EQ(t->RecordCount(), 3);
    EXPECT_TRUE(t->Locate(kID, one));
}

TEST(Table, AnInsertTheFileDidNotKeepIsAnErrorNamingTheStore)
{
    TempStore s;
    s.AddConnection("kept");
    s.Exec("CREATE TRIGGER drop_all BEFORE INSERT ON Connections BEGIN SELECT RAISE(IGNORE); END");
    TqxTable* t = s.Connections();
    t->Insert();
    t->FieldByName("CONNECTIONNAME").SetAsString("dropped");
    try {
        t->Post();
        FAIL() << "posted";
    } catch (const EqxError& e) {
        EXPECT_NE(e.Message().find(QDir::toNativeSeparators(s.path).toStdString()), std::string::npos) << e.Message();
    }
    t->Cancel();
    EXPECT_EQ(t->RecordCount(), 1);
    EXPECT_FALSE(t->Locate(kID, 0));
    EXPECT_FALSE(t->Locate("CONNECTIONNAME", "dropped"));
}

TEST(Table, PendingRowsEndImplicitly)
{
    TempStore s;
    // Insert with a field assigned, then Refresh: the row is stored.
    s.IPSets()->Insert();
    s.IPSets()->FieldByName(kName).SetAsString("kept");
    s.IPSets()->Refresh();
    EXPECT_EQ(s.IPSets()->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(s.IPSets()->RecordCount(), 1);
    // Insert with nothing assigned, then Refresh: nothing is stored.
    s.IPSets()->Insert();
    s.IPSets()->Refresh();
    EXPECT_EQ(s.IPSets()->RecordCount(), 1);
    // The same holds for First, Next and Locate, and for edits.
    s.IPSets()->Insert();
    s.IPSets()->First();
    s.IPSets()->Insert();
    s.IPSets()->FieldByName(kName).SetAsString("by next");
    s.IPSets()->Next();
    s.IPSets()->Locate(kName, "kept");
    s.IPSets()->Edit();
    s.IPSets()->FieldByName("DNS").SetAsString("9.9.9.9");
    s.IPSets()->Locate(kName, "kept");
    EXPECT_EQ(s.IPSets()->State(), TDataSetState::dsBrowse);

    s.IPSets()->Refresh();
    EXPECT_EQ(Names(s.IPSets()), (QStringList{"kept", "by next"}));
    ASSERT_TRUE(s.IPSets()->Locate(kName, "kept"));
    EXPECT_EQ(s.IPSets()->FieldByName("DNS").AsString(), "9.9.9.9");
}

TEST(Table, CancelDropsThePendingRowAndDoesNothingOtherwise)
{
    TempStore s;
    const int id = s.AddConnection("a");
    s.Connections()->Cancel();
    EXPECT_EQ(s.Connections()->RecordCount(), 1);
    s.Connections()->Edit();
    s.Connections()->FieldByName("CONNECTIONNAME").SetAsString("changed");
    EXPECT_EQ(s.Connections()->FieldByName("CONNECTIONNAME").AsString(), "changed");
    s.Connections()->Cancel();
    EXPECT_EQ(s.Connections()->FieldByName("CONNECTIONNAME").AsString(), "a");
    s.Connections()->Insert();
    s.Connections()->FieldByName("CONNECTIONNAME").SetAsString("b");
    s.Connections()->Cancel();
    s.Connections()->Refresh();
    EXPECT_EQ(s.Connections()->RecordCount(), 1);
    EXPECT_TRUE(s.Connections()->Locate(kID, id));
    EXPECT_EQ(s.Connections()->FieldByName("CONNECTIONNAME").AsString(), "a");
}

TEST(Table, WritesNeedAPendingRowAndTheKeyIsTheStoresAlone)
{
    TempStore s;
    s.AddConnection("a");
    EXPECT_THROW(s.Connections()->FieldByName("CONNECTIONNAME").SetAsString("x"), EqxError);
    s.Connections()->Edit();
    EXPECT_THROW(s.Connections()->FieldByName(kID).SetAsInteger(5), EqxError);
    s.Connections()->Cancel();
}

TEST(Table, RefreshSeesOtherWritersAndKeepsTheCurrentRow)
{
    TempStore s;
    s.AddConnection("a");
    const int b = s.AddConnection("b");
    ASSERT_TRUE(s.Connections()->Locate(kID, b));
    s.Exec("INSERT INTO Connections (CONNECTIONNAME) VALUES ('c')");
    s.Exec("INSERT INTO Connections (CONNECTIONNAME) VALUES (NULL)");
    EXPECT_EQ(s.Connections()->RecordCount(), 2);
    s.Connections()->Refresh();
    EXPECT_EQ(s.Connections()->RecordCount(), 4);
    EXPECT_EQ(s.Connections()->FieldByName("CONNECTIONNAME").AsString(), "b");
}

TEST(Table, DeleteRemovesTheCurrentRowFromTheFile)
{
    TempStore s;
    s.AddConnection("a");
    const int b = s.AddConnection("b");
    s.AddConnection("c");
    ASSERT_TRUE(s.Connections()->Locate(kID, b));
    s.Connections()->Delete();
    EXPECT_EQ(s.Connections()->FieldByName("CONNECTIONNAME").AsString(), "c");
    s.Connections()->Refresh();
    QStringList names;
    for (s.Connections()->First(); !s.Connections()->Eof(); s.Connections()->Next())
        names << s.Connections()->FieldByName("CONNECTIONNAME").AsString();
    EXPECT_EQ(names, (QStringList{"a", "c"}));
    EXPECT_FALSE(s.Connections()->Locate(kID, b));
}

TEST(Table, TextIsStoredUntrimmedAndUnicodeIntact)
{
    TempStore s;
    s.AddConnection("  Café Wi-Fi \"5G\"  ");
    s.Connections()->Refresh();
    s.Connections()->First();
    EXPECT_EQ(s.Connections()->FieldByName("CONNECTIONNAME").AsString(), "  Café Wi-Fi \"5G\"  ");
}

TEST(Table, RowsReadInBackgroundReadAsARefreshAndLoseNoChangeMadeMeanwhile)
{
    struct Case {
        const char* meanwhile;
        std::function<void(TempStore&)> change;
        QStringList names;
    };
    const std::vector<Case> cases = {
        {"nothing", [](TempStore&) {}, {"Office", "Réseau", "Odd"}},
        {"a posted row", [](TempStore& s) { s.AddIPSet("Lab", "", "", "", "", false, QVariant()); },
         {"Office", "Réseau", "Odd", "Lab"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meanwhile);
        TempStore s;
        s.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", true, QVariant());
        s.AddIPSet("Réseau", "", "", "", "", false, QVariant());
        s.Exec("INSERT INTO IPSets (IPSET_NAME, CONNECTION) VALUES ('Odd', 'not a number')");
        s.manager.InitializeDataBase(s.path, TqxIPDBManager::SetRows::InBackground);
        EXPECT_EQ(s.IPSets()->RecordCount(), 0);  // until the refresh takes them: only an insert can come first
        c.change(s);
        s.IPSets()->Refresh();
        EXPECT_EQ(Names(s.IPSets()), c.names);
        ASSERT_TRUE(s.IPSets()->Locate(kName, "Office"));
        EXPECT_TRUE(s.IPSets()->FieldByName("DHCP").AsBoolean());
        ASSERT_TRUE(s.IPSets()->Locate(kName, "Odd"));
        EXPECT_FALSE(s.IPSets()->FieldByName(kConn).IsReadable());
    }
}
