#pragma once
#include "common/qxError.h"

namespace netsh {

// Exit statuses of netsh. Scripts test them, so the numbers never change.
enum class NetshStatus : int {
    Done = 0,              // changed (or saved for when the connection comes up)
    BadCommandLine = 1,    // the command was not understood
    InvalidValue = 2,      // an address, mask, gateway or metric is not acceptable
    UnknownConnection = 3, // no connection profile of that name (or several)
    NotRunning = 4,        // NetworkManager is not running or not installed
    NotPermitted = 5,      // NetworkManager refused the change (polkit)
    ActivationFailed = 6,  // the change is saved but could not be brought up
    Failed = 7,            // any other failure reported by NetworkManager
    AddressInUse = 8,      // another device uses the address; nothing was changed
};

// An error that ends netsh with a message and the status that tells its kind.
class ENetshError : public EqxError {
public:
    ENetshError(NetshStatus status, const std::string& message) : EqxError(message), FStatus(status) {}
    NetshStatus Status() const { return FStatus; }

private:
    NetshStatus FStatus;
};

}  // namespace netsh
