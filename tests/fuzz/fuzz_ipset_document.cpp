// The IP set export reader on arbitrary bytes: it either refuses with EqxError
// or gives a document that writes and reads back unchanged and can be planned;
// whatever the plan stores can be applied as it is stored.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/qxError.h"
#include "ipsets/IPSetDocument.h"
#include "controls/IPSetRules.h"
#include "ipsets/ImportPlan.h"
#include "ipsets/NetshCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TIPSetDocument document;
    try {
        document = ReadIPSetDocument(std::string_view(reinterpret_cast<const char*>(Data), Size));
    } catch (const EqxError&) {
        return 0;
    }
    const TIPSetDocument again = ReadIPSetDocument(WriteIPSetDocument(document));
    if (again.Connections != document.Connections || again.Sets != document.Sets)
        std::abort();
    std::vector<TStoredIPSet> stored;
    for (std::size_t i = 0; i < document.Sets.size() && i < 4; ++i)
        stored.push_back({document.Sets[i], static_cast<int>(i) + 1});
    const TImportPlan plan = PlanImport(document, stored, document.Connections,
                                        [](const TIPSetRecord&, const TIPSetRecord&) { return TConflictChoice::Replace; });
    if (!plan.Refused.empty() && !plan.Actions.empty())
        std::abort();
    for (const std::string& name : plan.NewConnections)
        if (CheckConnectionName(name))
            std::abort();
    for (const TImportAction& action : plan.Actions) {
        TStaticValues values{action.Set.Address, action.Set.Mask, action.Set.Gateway, action.Set.Dns};
        const TStaticValues stored = values;
        if (CanonicalStaticValues(values) || values.Address != stored.Address || values.Mask != stored.Mask ||
            values.Gateway != stored.Gateway || values.Dns != stored.Dns)
            std::abort();  // not in the form netsh is given
        try {
            ComposeNetshCommands(action.Set.Connection.empty() ? "LAN" : action.Set.Connection, action.Set.Dhcp,
                                 values.Address, values.Mask, values.Gateway, values.Dns);
        } catch (const EqxError&) {
            std::abort();  // stored by an import, refused by applying
        }
    }
    return 0;
}
