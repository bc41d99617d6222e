#include <gtest/gtest.h>

#include "common/qxError.h"
#include "ipsets/IPSetDocument.h"
#include "ipsets/ImportPlan.h"

namespace {

TIPSetRecord Set(const std::string& name, const std::string& address, const std::string& mask,
                 const std::string& gateway = "", const std::string& dns = "", const std::string& connection = "")
{
    return TIPSetRecord{name, address, mask, gateway, dns, false, connection};
}

TIPSetRecord DhcpSet(const std::string& name, const std::string& connection = "")
{
    return TIPSetRecord{name, "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", true, connection};
}

std::string Reason(const std::string& text)
{
    try {
        ReadIPSetDocument(text);
    } catch (const EqxError& e) {
        return e.Message();
    }
    return "read";
}

TEST(IPSetDocument, WrittenDocumentReadsBackTheSame)
{
    TIPSetDocument doc;
    doc.Connections = {"Office LAN", "Ünïcode \"quoted\"", "unused"};
    doc.Sets = {Set("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", "Office LAN"),
                DhcpSet("Home", "Ünïcode \"quoted\""), Set("Loose", "1.2.3.4", "255.255.0.0")};
    const TIPSetDocument back = ReadIPSetDocument(WriteIPSetDocument(doc));
    EXPECT_EQ(back.Connections, doc.Connections);
    EXPECT_EQ(back.Sets, doc.Sets);
}

struct RefusalCase {
    const char* text;
    const char* reason;
};

class DocumentRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DocumentRefusal, SaysWhatIsWrong)
{
    EXPECT_EQ(Reason(GetParam().text), GetParam().reason) << GetParam().text;
}

#define HEAD R"("format":"netvane-ip-sets","version":1)"
INSTANTIATE_TEST_SUITE_P(
    Files, DocumentRefusal,
    ::testing::Values(
        RefusalCase{"{\"format\":", "The file is not valid JSON (error at byte 11)"},
        RefusalCase{"", "The file is not valid JSON (error at byte 1)"},
        RefusalCase{"{\"sets\":1e400}", "The file is not valid JSON (a number too large to read)"},
        RefusalCase{"[]", "The file is not an IP set export: its top level is not an object"},
        RefusalCase{R"({"version":1,"sets":[]})",
                    "The file is not an IP set export: \"format\" is not \"netvane-ip-sets\""},
        RefusalCase{R"({"format":"netvane-ip-sets","sets":[]})", "The file has no whole-number \"version\""},
        RefusalCase{R"({"format":"netvane-ip-sets","version":"1","sets":[]})",
                    "The file has no whole-number \"version\""},
        RefusalCase{R"({"format":"netvane-ip-sets","version":2,"sets":[]})",
                    "The file is of format version 2, newer than this program reads (1)"},
        RefusalCase{R"({"format":"netvane-ip-sets","version":18446744073709551615,"sets":[]})",
                    "The file is of format version 18446744073709551615, newer than this program reads (1)"},
        RefusalCase{R"({"format":"netvane-ip-sets","version":0,"sets":[]})",
                    "The file's format version 0 does not exist"},
        RefusalCase{"{" HEAD R"(,"sets":[],"comment":"x"})", "Unknown field \"comment\" in the file"},
        RefusalCase{"{" HEAD "}", "The file has no list of \"sets\""},
        RefusalCase{"{" HEAD R"(,"sets":[],"connections":"LAN"})", "\"connections\" must be a list of names"},
        RefusalCase{"{" HEAD R"(,"sets":[],"connections":[""]})", "\"connections\" must be a list of names"},
        RefusalCase{"{" HEAD R"(,"sets":[7]})", "IP set 1 is not an object"},
        RefusalCase{"{" HEAD R"(,"sets":[{"name":"a","dhcp":true},{"name":"b","dhcp":true,"wins":"1.1.1.1"}]})",
                    "Unknown field \"wins\" in IP set 2"},
        RefusalCase{"{" HEAD R"(,"sets":[{"dhcp":true}]})", "IP set 1 has no \"name\""},
        RefusalCase{"{" HEAD R"(,"sets":[{"name":"a"}]})", "Field \"dhcp\" of IP set 1 must be true or false"},
        RefusalCase{"{" HEAD R"(,"sets":[{"name":"a","dhcp":0}]})", "Field \"dhcp\" of IP set 1 must be true or false"},
        RefusalCase{"{" HEAD R"(,"sets":[{"name":"a","dhcp":false,"address":[1]}]})",
                    "Field \"address\" of IP set 1 must be a text"},
        RefusalCase{"{" HEAD R"(,"sets":[{"name":"a","dhcp":false,"connection":""}]})",
                    "Field \"connection\" of IP set 1 is empty; null means no connection"}));
#undef HEAD

TEST(IPSetDocument, MissingAddressesReadAsEmptyAndNullConnectionAsNone)
{
    const TIPSetDocument doc = ReadIPSetDocument(
        R"({"format":"netvane-ip-sets","version":1,"sets":[{"name":"a","dhcp":true,"connection":null}]})");
    ASSERT_EQ(doc.Sets.size(), 1u);
    EXPECT_EQ(doc.Sets[0], (TIPSetRecord{"a", "", "", "", "", true, ""}));
    EXPECT_TRUE(doc.Connections.empty());
}

struct NormalizeCase {
    TIPSetRecord in;
    std::string reason;
    TIPSetRecord out;
};

class Normalizing : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(Normalizing, UsesTheEditorsRules)
{
    TIPSetRecord set = GetParam().in;
    EXPECT_EQ(NormalizeIPSet(set), GetParam().reason);
    if (GetParam().reason.empty()) {
        EXPECT_EQ(set, GetParam().out);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, Normalizing,
    ::testing::Values(
        NormalizeCase{Set(" Office ", " 10.0.0.5", "255.0.0.0 ", "", ""), "", Set("Office", "10.0.0.5", "255.0.0.0")},
        NormalizeCase{TIPSetRecord{"Auto", "", "", "", "0.0.0.0", true, "LAN"}, "", DhcpSet("Auto", "LAN")},
        NormalizeCase{TIPSetRecord{"Auto", "10.0.0.5", "", "", "", true, ""}, "A DHCP IP Set carries no addresses, but has 10.0.0.5", {}},
        NormalizeCase{Set("  ", "10.0.0.5", "255.0.0.0"), "Empty IP Set Name !! ", {}},
        NormalizeCase{Set("a", "", "255.0.0.0"), "A static IP Set needs an IP Address!", {}},
        NormalizeCase{Set("a", "10.0.0.5", ""), "A static IP Set needs a Subnet Mask!", {}},
        NormalizeCase{Set("a", "10.0.0.256", "255.0.0.0"), "IP Address 10.0.0.256 is invalid!", {}},
        NormalizeCase{Set("a", "10.0.0.5", "255.0.0.0", "0x0A.0.0.1"), "IP Address 0x0A.0.0.1 is invalid!", {}},
        NormalizeCase{Set("a", "10.0.0.5", "255.0.0.0", "", "10.0.0"), "IP Address 10.0.0 is invalid!", {}},
        NormalizeCase{Set("a", "10.0.0.5", "255.0.255.0"), "Subnet Mask 255.0.255.0 is invalid!", {}},
        NormalizeCase{Set("a", "10.0.0.0", "255.255.255.0"),
                      "Address 10.0.0.0 cannot be given to a host with mask 255.255.255.0", {}},
        NormalizeCase{Set("a", "10.0.0.5", "255.255.255.0", "10.0.1.1"),
                      "Gateway 10.0.1.1 is outside the subnet of 10.0.0.5/24", {}},
        NormalizeCase{Set("a", "10.0.0.5", "255.255.255.0", "", "224.0.0.1"), "Invalid DNS server \"224.0.0.1\"", {}}));

// Planning an import against a store with one connection and two sets.
struct PlanFixture : ::testing::Test {
    std::vector<TStoredIPSet> stored;
    std::vector<std::string> connections{"Office LAN"};
    std::vector<std::pair<std::string, std::string>> asked;  // incoming name, existing address

    void SetUp() override
    {
        stored.push_back({Set("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "", "Office LAN"), 11});
        stored.push_back({DhcpSet("Home", "Office LAN"), 12});
    }
    TImportPlan Plan(const TIPSetDocument& doc, TConflictChoice choice)
    {
        return PlanImport(doc, stored, connections, [&](const TIPSetRecord& in, const TIPSetRecord& existing) {
            asked.emplace_back(in.Name, existing.Address);
            return choice;
        });
    }
};

TEST_F(PlanFixture, IdenticalSetsArePassedOverNewOnesAddedWithTheirConnections)
{
    TIPSetDocument doc;
    doc.Connections = {"Office LAN", "Lab"};
    doc.Sets = {Set(" Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "", "Office LAN"),
                Set("Bench", "172.16.0.2", "255.255.0.0", "", "", "Bench net")};
    const TImportPlan plan = Plan(doc, TConflictChoice::Skip);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(plan.Identical, std::vector<std::string>{"Office"});
    EXPECT_EQ(plan.NewConnections, (std::vector<std::string>{"Lab", "Bench net"}));
    ASSERT_EQ(plan.Actions.size(), 1u);
    EXPECT_EQ(plan.Actions[0].Kind, TImportAction::TKind::Add);
    EXPECT_EQ(plan.Actions[0].Set.Name, "Bench");
}

TEST_F(PlanFixture, ASecondSetOfTheSameNameInTheFileReplacesThePlannedOne)
{
    TIPSetDocument doc;
    doc.Sets = {Set("Bench", "172.16.0.2", "255.255.0.0"), Set("Bench", "172.16.0.3", "255.255.0.0"),
                Set("Bench", "172.16.0.3", "255.255.0.0")};
    const TImportPlan plan = Plan(doc, TConflictChoice::Replace);
    EXPECT_EQ(asked.size(), 1u);
    ASSERT_EQ(plan.Actions.size(), 1u);
    EXPECT_EQ(plan.Actions[0].Kind, TImportAction::TKind::Add);
    EXPECT_EQ(plan.Actions[0].Set.Address, "172.16.0.3");
    EXPECT_EQ(plan.Identical, std::vector<std::string>{"Bench"});
}

TEST_F(PlanFixture, ARefusedSetStopsEverythingBeforeAnyQuestion)
{
    TIPSetDocument doc;
    doc.Connections = {"Lab"};
    doc.Sets = {Set("Office", "10.0.0.9", "255.0.0.0"), Set("Bad", "10.0.0.300", "255.0.0.0"),
                Set("", "10.0.0.1", "255.0.0.0"), Set("Ok", "10.0.0.1", "255.0.0.0")};
    const TImportPlan plan = Plan(doc, TConflictChoice::Replace);
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(plan.Actions.empty());
    EXPECT_TRUE(plan.NewConnections.empty());
    ASSERT_EQ(plan.Refused.size(), 2u);
    EXPECT_EQ(RefusalText(plan.Refused[0]), "IP set 2 \"Bad\": IP Address 10.0.0.300 is invalid!");
    EXPECT_EQ(RefusalText(plan.Refused[1]), "IP set 3 \"\": Empty IP Set Name !! ");
}

}  // namespace

namespace {

// Names and values from a file follow the rules a name typed in the editor or the
// connection list follows, and addresses are stored as netsh must be given them.
struct ImportRuleCase {
    const char* what;
    TIPSetDocument doc;
    std::vector<std::string> refused;  // RefusalText of each, in order; none: the plan's one action below
    TIPSetRecord stored = {};
};

class ImportRules : public ::testing::TestWithParam<ImportRuleCase> {};

TEST_P(ImportRules, RefuseWhatTheEditorAndApplyingRefuseAndStoreCanonicalAddresses)
{
    const TImportPlan plan = PlanImport(GetParam().doc, {}, {}, [](const TIPSetRecord&, const TIPSetRecord&) {
        return TConflictChoice::KeepBoth;
    });
    std::vector<std::string> refused;
    for (const TImportRefusal& r : plan.Refused)
        refused.push_back(RefusalText(r));
    EXPECT_EQ(refused, GetParam().refused) << GetParam().what;
    if (GetParam().refused.empty()) {
        ASSERT_EQ(plan.Actions.size(), 1u) << GetParam().what;
        EXPECT_EQ(plan.Actions[0].Set, GetParam().stored) << GetParam().what;
    }
}

TIPSetDocument Doc(std::vector<TIPSetRecord> sets, std::vector<std::string> connections = {})
{
    return TIPSetDocument{std::move(connections), std::move(sets)};
}

const std::string kQuoteOrControl = "contains a quotation mark or a control character and cannot be passed to netsh";

INSTANTIATE_TEST_SUITE_P(
    NamesAndValues, ImportRules,
    ::testing::Values(
        ImportRuleCase{"leading zeros",
                       Doc({Set("Z", "010.000.000.005", "255.000.000.000", "010.0.0.001", "08.8.8.8")}),
                       {}, Set("Z", "10.0.0.5", "255.0.0.0", "10.0.0.1", "8.8.8.8")},
        ImportRuleCase{"NUL in a set name", Doc({Set(std::string("NUL\0name", 8), "10.0.0.5", "255.0.0.0")}),
                       {"IP set 1 \"NUL\\u0000name\": The IP set name contains a control character"}},
        ImportRuleCase{"ideographic and zero-width blanks only",
                       Doc({Set("\xE3\x80\x80", "10.0.0.5", "255.0.0.0"),
                            Set("\xE2\x80\x8B \xEF\xBB\xBF", "10.0.0.6", "255.0.0.0")}),
                       {"IP set 1 \"\": Empty IP Set Name !! ", "IP set 2 \"\": Empty IP Set Name !! "}},
        ImportRuleCase{"blanks of every kind trimmed",
                       Doc({Set("\xE3\x80\x80Office\xC2\xA0", "10.0.0.5", "255.0.0.0")}),
                       {}, Set("Office", "10.0.0.5", "255.0.0.0")},
        ImportRuleCase{"connection names netsh cannot be given",
                       Doc({Set("Q", "10.0.0.5", "255.0.0.0", "", "", "Wi-Fi \"home\""),
                            Set("N", "10.0.0.5", "255.0.0.0", "", "", "LAN\nname=other"),
                            Set("B", "10.0.0.5", "255.0.0.0", "", "", "LAN\\")},
                           {"ok", " \xE3\x80\x80", std::string(257, 'n')}),
                       {"Connection name 2 \" \xE3\x80\x80\": The connection name \" \xE3\x80\x80\" is blank",
                        "Connection name 3 \"" + std::string(257, 'n') + "\": The connection name \"" +
                            std::string(257, 'n') + "\" is longer than the 256 characters a connection name can have",
                        "IP set 1 \"Q\": The connection name \"Wi-Fi \"home\"\" " + kQuoteOrControl,
                        "IP set 2 \"N\": The connection name \"LAN\\u000Aname=other\" " + kQuoteOrControl,
                        "IP set 3 \"B\": The connection name \"LAN\\\" ends with a backslash and cannot be passed "
                        "to netsh"}}));

}  // namespace

// Nesting past an export's own three levels is refused while reading, before it can cost memory.
const std::string kTooDeep = R"({"format":"netvane-ip-sets","version":1,"sets":)" + std::string(32, '[') + "]}";
INSTANTIATE_TEST_SUITE_P(Depth, DocumentRefusal,
                         ::testing::Values(RefusalCase{kTooDeep.c_str(), "The file is not an IP set export: it nests "
                                                                         "lists and objects more than 32 deep"}));
