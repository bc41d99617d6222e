#include "ipsets/IPSetDocument.h"

#include <nlohmann/json.hpp>

#include "common/qxError.h"
#include "common/qxTranslate.h"

using nlohmann::json;

namespace {

const char* const kSetFields[] = {"name", "dhcp", "address", "mask", "gateway", "dns", "connection"};

std::string SetPlace(std::size_t Index) { return Fill(Tx("IPSetDocument", "IP set %1"), {std::to_string(Index + 1)}); }

[[noreturn]] void Refuse(const std::string& Why) { throw EqxError(Why); }

void RefuseUnknownFields(const json& Object, std::initializer_list<const char*> Known, const std::string& Where)
{
    for (const auto& [key, value] : Object.items()) {
        bool known = false;
        for (const char* k : Known)
            known = known || key == k;
        if (!known)
            Refuse(Fill(Tx("IPSetDocument", "Unknown field \"%1\" in %2"), {key, Where}));
    }
}

std::string TextField(const json& Set, const char* Field, std::size_t Index)
{
    const auto it = Set.find(Field);
    if (it == Set.end())
        return std::string();
    if (!it->is_string())
        Refuse(Fill(Tx("IPSetDocument", "Field \"%1\" of %2 must be a text"), {Field, SetPlace(Index)}));
    return it->get<std::string>();
}

TIPSetRecord ReadSet(const json& Set, std::size_t Index)
{
    if (!Set.is_object())
        Refuse(Fill(Tx("IPSetDocument", "%1 is not an object"), {SetPlace(Index)}));
    RefuseUnknownFields(Set, {"name", "dhcp", "address", "mask", "gateway", "dns", "connection"}, SetPlace(Index));
    TIPSetRecord record;
    if (!Set.contains("name"))
        Refuse(Fill(Tx("IPSetDocument", "%1 has no \"name\""), {SetPlace(Index)}));
    record.Name = TextField(Set, "name", Index);
    const auto dhcp = Set.find("dhcp");
    if (dhcp == Set.end() || !dhcp->is_boolean())
        Refuse(Fill(Tx("IPSetDocument", "Field \"dhcp\" of %1 must be true or false"), {SetPlace(Index)}));
    record.Dhcp = dhcp->get<bool>();
    record.Address = TextField(Set, "address", Index);
    record.Mask = TextField(Set, "mask", Index);
    record.Gateway = TextField(Set, "gateway", Index);
    record.Dns = TextField(Set, "dns", Index);
    const auto connection = Set.find("connection");
    if (connection != Set.end() && !connection->is_null()) {
        record.Connection = TextField(Set, "connection", Index);
        if (record.Connection.empty())
            Refuse(Fill(Tx("IPSetDocument", "Field \"connection\" of %1 is empty; null means no connection"), {SetPlace(Index)}));
    }
    return record;
}

// Lists and objects open at once, counted outside texts; the parser checks all else.
bool NestsDeeperThan(std::string_view Text, int Limit)
{
    int depth = 0;
    bool inText = false;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (inText) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inText = false;
        } else if (c == '"') {
            inText = true;
        } else if (c == '[' || c == '{') {
            if (++depth > Limit)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

}  // namespace

std::string WriteIPSetDocument(const TIPSetDocument& Document)
{
    json sets = json::array();
    for (const TIPSetRecord& set : Document.Sets) {
        json entry = json::object();
        const std::string* texts[] = {&set.Name, nullptr, &set.Address, &set.Mask, &set.Gateway, &set.Dns};
        for (std::size_t i = 0; i < std::size(texts); ++i)
            if (texts[i])
                entry[kSetFields[i]] = *texts[i];
        entry["dhcp"] = set.Dhcp;
        entry["connection"] = set.Connection.empty() ? json(nullptr) : json(set.Connection);
        sets.push_back(std::move(entry));
    }
    json document = {{"format", kIPSetDocumentFormat},
                     {"version", kIPSetDocumentVersion},
                     {"connections", Document.Connections},
                     {"sets", std::move(sets)}};
    // Invalid UTF-8 in a stored name is written replaced rather than refused.
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

TIPSetDocument ReadIPSetDocument(std::string_view Text)
{
    // An export nests three deep; a file of nested lists would otherwise cost the
    // parser memory for every level before it could be refused.
    if (NestsDeeperThan(Text, kDeepestIPSetDocument))
        Refuse(Fill(Tx("IPSetDocument", "The file is not an IP set export: it nests lists and objects more than %1 deep"),
                    {std::to_string(kDeepestIPSetDocument)}));
    json document;
    try {
        document = json::parse(Text.begin(), Text.end());
    } catch (const json::parse_error& e) {
        Refuse(Fill(Tx("IPSetDocument", "The file is not valid JSON (error at byte %1)"), {std::to_string(e.byte)}));
    } catch (const json::out_of_range&) {
        Refuse(Tx("IPSetDocument", "The file is not valid JSON (a number too large to read)"));
    }
    if (!document.is_object())
        Refuse(Tx("IPSetDocument", "The file is not an IP set export: its top level is not an object"));
    const auto format = document.find("format");
    if (format == document.end() || *format != kIPSetDocumentFormat)
        Refuse(Fill(Tx("IPSetDocument", "The file is not an IP set export: \"format\" is not \"%1\""), {kIPSetDocumentFormat}));
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer())
        Refuse(Tx("IPSetDocument", "The file has no whole-number \"version\""));
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > kIPSetDocumentVersion
                                      : version->get<std::int64_t>() > kIPSetDocumentVersion)
        Refuse(Fill(Tx("IPSetDocument", "The file is of format version %1, newer than this program reads (%2)"),
                    {version->dump(), std::to_string(kIPSetDocumentVersion)}));
    if (version->get<std::int64_t>() < 1)
        Refuse(Fill(Tx("IPSetDocument", "The file's format version %1 does not exist"), {version->dump()}));
    //: Where an unknown field was found: "Unknown field "x" in the file"
    const std::string theFile = Tx("IPSetDocument", "the file");
    RefuseUnknownFields(document, {"format", "version", "connections", "sets"}, theFile);

    TIPSetDocument result;
    const auto connections = document.find("connections");
    if (connections != document.end()) {
        if (!connections->is_array())
            Refuse(Tx("IPSetDocument", "\"connections\" must be a list of names"));
        for (const json& name : *connections) {
            if (!name.is_string() || name.get_ref<const std::string&>().empty())
                Refuse(Tx("IPSetDocument", "\"connections\" must be a list of names"));
            result.Connections.push_back(name.get<std::string>());
        }
    }
    const auto sets = document.find("sets");
    if (sets == document.end() || !sets->is_array())
        Refuse(Tx("IPSetDocument", "The file has no list of \"sets\""));
    for (std::size_t i = 0; i < sets->size(); ++i)
        result.Sets.push_back(ReadSet((*sets)[i], i));
    return result;
}
