#include "ipsets/ApplyReport.h"

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

}  // namespace

std::string ApplyFailureNotice(const std::string& setName, const std::string& addressFailure,
                               const std::string& dnsFailure)
{
    std::string notice = (setName.empty() ? std::string("The IP set") : setName) + " was not applied.";
    if (!addressFailure.empty() && addressFailure == dnsFailure)
        return notice + " Setting the address and the DNS server failed: " + Sentence(addressFailure);
    if (!addressFailure.empty())
        notice += " Setting the address failed: " + Sentence(addressFailure);
    if (!dnsFailure.empty())
        notice += " Setting the DNS server failed: " + Sentence(dnsFailure);
    return notice;
}

std::string ApplyWholeFailureNotice(const std::string& setName, const std::string& whole)
{
    return (setName.empty() ? std::string("The IP set") : setName) + " " + Sentence(whole);
}
