// --export and --import on a store: in-process for the choices, through the
// program once for the whole path from the command line to the file and back.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/ConsoleTransfer.h"
#include "ipsets/o_StoredIPSets.h"
#include "support/TempStore.h"

namespace {

struct Console {
    QString out, err;
    QTextStream o{&out}, e{&err};
};

std::vector<std::string> Addresses(TempStore& store)
{
    std::vector<std::string> out;
    for (const TStoredIPSet& s : ReadStoredIPSets(store.IPSets(), store.Connections()))
        out.push_back(s.Name + "=" + s.Address);
    return out;
}

struct ConsoleImportCase {
    const char* onConflict;
    int status;
    std::vector<std::string> sets;
    const char* said;  // part of what went to out (status 0) or err
};

class ConsoleImport : public ::testing::TestWithParam<ConsoleImportCase> {};

TEST_P(ConsoleImport, AConflictFollowsOnConflictOrStopsTheImport)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sets.json");
    TempStore source, target;
    source.AddIPSet("Office", "10.0.0.9", "255.0.0.0", "", "", false, source.AddConnection("Office LAN"));
    target.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "", "", false, QVariant());
    Console exported;
    ASSERT_EQ(ExportIPSetsToFile(source.manager, path, exported.o, exported.e), 0);
    EXPECT_EQ(exported.out, "Exported to " + path + " (IP sets: 1, connection names: 1)\n");

    Console c;
    EXPECT_EQ(ImportIPSetsFromFile(target.manager, path, GetParam().onConflict, c.o, c.e), GetParam().status);
    EXPECT_EQ(Addresses(target), GetParam().sets);
    EXPECT_TRUE((GetParam().status == 0 ? c.out : c.err).contains(GetParam().said)) << c.out.toStdString() << c.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ConsoleImport,
    ::testing::Values(
        ConsoleImportCase{"", 1, {"Office=10.0.0.5"},
                          "netvane: an IP set named \"Office\" is already stored with other values; nothing was "
                          "imported. Choose with --on-conflict=replace, keep or skip.\n"},
        ConsoleImportCase{"replace", 0, {"Office=10.0.0.9"}, "IP sets replaced: 1"},
        ConsoleImportCase{"keep", 0, {"Office=10.0.0.5", "Office=10.0.0.9"}, "IP sets added: 1"},
        ConsoleImportCase{"skip", 0, {"Office=10.0.0.5"}, "IP sets skipped: 1"},
        ConsoleImportCase{"both", 2, {"Office=10.0.0.5"}, "--on-conflict takes replace, keep or skip, not \"both\""}));

TEST(ConsoleImportFile, AMissingFileIsNamed)
{
    TempStore store;
    Console c;
    EXPECT_EQ(ImportIPSetsFromFile(store.manager, "/nonexistent/sets.json", "", c.o, c.e), 1);
    EXPECT_TRUE(c.err.startsWith("netvane: Cannot read /nonexistent/sets.json")) << c.err.toStdString();
}

// Sets of one name that the file itself repeats are not "already stored", and a
// question about them says they are the file's own.
struct ConsoleMessageCase {
    const char* sets;  // the file's "sets"
    int status;
    const char* said;  // what went to out (status 0) or err, whole
};

class ConsoleImportMessages : public ::testing::TestWithParam<ConsoleMessageCase> {};

TEST_P(ConsoleImportMessages, SayWhatIsTrue)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("sets.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(R"({"format":"netvane-ip-sets","version":1,"sets":)") + GetParam().sets + "}");
    file.close();
    TempStore store;
    Console c;
    EXPECT_EQ(ImportIPSetsFromFile(store.manager, file.fileName(), "", c.o, c.e), GetParam().status);
    EXPECT_EQ(GetParam().status == 0 ? c.out : c.err, GetParam().said);
}

#define S(address) R"({"name":"S","dhcp":false,"address":")" address R"(","mask":"255.0.0.0"})"
INSTANTIATE_TEST_SUITE_P(
    Repeats, ConsoleImportMessages,
    ::testing::Values(
        ConsoleMessageCase{"[" S("10.0.0.5") "," S("10.0.0.5") "," S("010.0.0.5") "]", 0,
                           "IP sets added: 1\nIP sets replaced: 0\nIP sets already stored: 0\n"
                           "IP sets repeated in the file: 2\nIP sets skipped: 0\nConnection names added: 0\n"},
        ConsoleMessageCase{"[" S("10.0.0.5") "," S("10.0.0.6") "]", 1,
                           "netvane: the file holds more than one IP set named \"S\", with other values; nothing "
                           "was imported. Choose with --on-conflict=replace, keep or skip.\n"}));
#undef S

}  // namespace
