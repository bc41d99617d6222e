#include "adapters/AddressProbe.h"

// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "controls/IPv4Rules.h"

namespace {

// SendARP waits as long as Windows resolves (seconds when nobody answers) and
// cannot be cut short: it runs on a thread of its own, which the caller stops
// waiting for at the limit; the thread ends by itself later.
struct TArpAnswer {
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    DWORD Result = ERROR_NOT_FOUND;
    unsigned char Hardware[8] = {};
    ULONG Length = 0;
};

IPAddr NetworkOrder(const std::string& Text)
{
    const auto value = ParseIpv4(Text);
    return value ? htonl(*value) : 0;
}

}  // namespace

std::string ProbeAddress(const TAddressProbe& Probe, std::chrono::milliseconds Limit,
                         const std::function<void()>& Pump)
{
    const IPAddr target = NetworkOrder(Probe.Address);
    if (!target)
        return "";
    const IPAddr source = NetworkOrder(Probe.Source);
    auto answer = std::make_shared<TArpAnswer>();
    std::thread([answer, target, source] {
        ULONG hardware[2] = {};
        ULONG length = sizeof hardware;
        const DWORD result = SendARP(target, source, hardware, &length);
        const std::lock_guard<std::mutex> hold(answer->Lock);
        answer->Result = result;
        answer->Length = length;
        std::memcpy(answer->Hardware, hardware, sizeof answer->Hardware);
        answer->Finished = true;
        answer->Done.notify_all();
    }).detach();

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + Limit;
    std::unique_lock<std::mutex> hold(answer->Lock);
    while (!answer->Finished && Clock::now() < deadline) {
        answer->Done.wait_for(hold, std::chrono::milliseconds(20));
        if (Pump) {
            hold.unlock();
            Pump();
            hold.lock();
        }
    }
    if (!answer->Finished || answer->Result != NO_ERROR || answer->Length == 0)
        return "";
    const std::vector<unsigned char> hardware(answer->Hardware,
                                              answer->Hardware + std::min<ULONG>(answer->Length, 8));
    return HardwareAddressText(hardware);
}
