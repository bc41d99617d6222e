#include "ipsets/NetshRun.h"

#include "adapters/SystemAddressCheck.h"

NetshSteps RunNetshLines(const NetshCommandLines& lines, const ProcessRunOptions& options)
{
    NetshSteps steps;
    steps.Address = ExecuteAndWait(lines.Address, options);
    const ProcessResult& a = steps.Address;
    steps.DnsSkipped = a.Started && !a.TimedOut && NetshFoundAddressInUse(a.ExitCode);
    if (!steps.DnsSkipped)
        steps.Dns = ExecuteAndWait(lines.Dns, options);
    return steps;
}
