#include "ipsets/ApplyReport.h"
#include "common/qxTranslate.h"

namespace {

// Reasons come from netsh or the system as they are: end each as a sentence.
std::string Sentence(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    if (text.empty() || (text.back() != '.' && text.back() != '!' && text.back() != '?'))
        text += '.';
    return text;
}

// The sentences name the set; one without a name is "The IP set".
std::string SetName(const std::string& setName)
{
    //: Stands for the name of an IP set that has none, at the start of a sentence
    return setName.empty() ? Tx("ApplyReport", "The IP set") : setName;
}

}  // namespace

std::string ApplyFailureNotice(const std::string& setName, const std::string& addressFailure,
                               const std::string& dnsFailure)
{
    const std::string set = SetName(setName);
    if (!addressFailure.empty() && addressFailure == dnsFailure)
        return Fill(Tx("ApplyReport", "%1 was not applied. Setting the address and the DNS server failed: %2"),
                    {set, Sentence(addressFailure)});
    if (!addressFailure.empty() && !dnsFailure.empty())
        return Fill(Tx("ApplyReport",
                       "%1 was not applied. Setting the address failed: %2 Setting the DNS server failed: %3"),
                    {set, Sentence(addressFailure), Sentence(dnsFailure)});
    if (!addressFailure.empty())
        return Fill(Tx("ApplyReport", "%1 was not applied. Setting the address failed: %2"),
                    {set, Sentence(addressFailure)});
    if (!dnsFailure.empty())
        return Fill(Tx("ApplyReport", "%1 was not applied. Setting the DNS server failed: %2"),
                    {set, Sentence(dnsFailure)});
    return Fill(Tx("ApplyReport", "%1 was not applied."), {set});
}

std::string ApplyWholeFailureNotice(const std::string& setName, const TWholeFailure& whole)
{
    // The reasons come from the system or the helper; the sentence ends after them.
    return Sentence(Fill(whole.Pattern, {SetName(setName), whole.Detail}));
}
