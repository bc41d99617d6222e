// What the helper with administrator rights reads from outside: its command line
// (input starting with 'a': arguments split at NUL) and, on the caller's side, its
// report (anything else). What is accepted survives the trip it makes: arguments
// through a Windows command line and back, a report written again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/qxError.h"
#include "ipsets/ElevatedApply.h"
#include "platform/CommandLine.h"

namespace {
void Request(std::string_view text)
{
    std::vector<std::string> arguments(1);
    for (const char c : text)
        c == '\0' ? arguments.emplace_back() : arguments.back() += c;
    ElevatedApplyRequest request;
    try {
        request = ParseElevatedApplyRequest(arguments);
    } catch (const EqxError&) {
        return;
    }
    std::string line = "netvane.exe";
    for (const std::string& argument : ElevatedApplyArguments(request.Values, request.ReportPath))
        line += " " + QuoteArgument(argument);
    std::vector<std::string> back = SplitCommandLine(line);
    back.erase(back.begin());
    if (back != arguments || ParseElevatedApplyRequest(back).Lines.Address != request.Lines.Address)
        std::abort();  // the helper would read another request than the one sent
}

void Report(std::string_view text)
{
    const std::optional<HelperReport> report = DecodeHelperReport(text);
    if (!report)
        return;
    const std::string written = EncodeHelperReport(*report);
    const std::optional<HelperReport> again = DecodeHelperReport(written);
    if (text.size() > kMaxHelperReport || !again || EncodeHelperReport(*again) != written)
        std::abort();  // read past its bound, or read something it cannot write
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!text.empty() && text.front() == 'a')
        Request(text.substr(1));
    else
        Report(text);
    return 0;
}
