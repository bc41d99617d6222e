#include "adapters/NetworkChanges.h"

#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include "common/qxError.h"
#include "platform/SystemError.h"
#include "common/qxTranslate.h"

namespace {

// IP Helper calls back on a thread of its own; the caller's Notify is expected
// to hand the news to its own thread.
class TIpHelperListener final : public TNetworkChangeListener {
public:
    explicit TIpHelperListener(TNotify Notify) : FNotify(std::move(Notify))
    {
        DWORD result = NotifyIpInterfaceChange(AF_INET, &TIpHelperListener::InterfaceChanged, this, FALSE,
                                               &FInterfaceHandle);
        if (result == NO_ERROR)
            result = NotifyUnicastIpAddressChange(AF_INET, &TIpHelperListener::AddressChanged, this, FALSE,
                                                  &FAddressHandle);
        if (result != NO_ERROR) {
            Cancel();
            throw EqxError(Fill(Tx("NetworkChanges", "Cannot listen for network changes: %1"), {SystemErrorText(static_cast<int>(result))}));
        }
    }
    // Cancelling waits for a callback under way, so none runs after this.
    ~TIpHelperListener() override { Cancel(); }

    int Descriptor() const override { return -1; }
    int Drain() override { return 0; }

private:
    static VOID NETIOAPI_API_ InterfaceChanged(PVOID Context, PMIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE Type)
    {
        if (Type != MibInitialNotification)
            static_cast<TIpHelperListener*>(Context)->Notify();
    }
    static VOID NETIOAPI_API_ AddressChanged(PVOID Context, PMIB_UNICASTIPADDRESS_ROW, MIB_NOTIFICATION_TYPE Type)
    {
        if (Type != MibInitialNotification)
            static_cast<TIpHelperListener*>(Context)->Notify();
    }
    void Notify()
    {
        if (FNotify)
            FNotify();
    }
    void Cancel()
    {
        if (FAddressHandle)
            CancelMibChangeNotify2(FAddressHandle);
        if (FInterfaceHandle)
            CancelMibChangeNotify2(FInterfaceHandle);
        FAddressHandle = FInterfaceHandle = nullptr;
    }

    TNotify FNotify;
    HANDLE FInterfaceHandle = nullptr;
    HANDLE FAddressHandle = nullptr;
};

}  // namespace

std::unique_ptr<TNetworkChangeListener> ListenForNetworkChanges(TNetworkChangeListener::TNotify Notify)
{
    return std::make_unique<TIpHelperListener>(std::move(Notify));
}
