#pragma once
// NmSandbox: a private NetworkManager on a veth pair in two network namespaces of
// its own, for tests that need a real network stack without touching this
// machine's interfaces, its NetworkManager or its /etc/resolv.conf.
//
//   near namespace                          far namespace
//   v0 (managed by the sandbox's NM)  <-->  v1 10.9.0.1/24, dnsmasq DHCP server
//                                           (leases 10.9.0.100-150, router 10.9.0.1,
//                                            DNS server 10.9.0.2)
//
// Use:
//   if (const std::string why = NmSandbox::SkipReason(); !why.empty())
//       GTEST_SKIP() << why;                  // not root, or a tool is missing
//   NmSandbox box;                            // throws std::runtime_error if set-up fails
//   box.AddEthernetProfile("Office LAN", {"ipv4.method", "manual",
//                                         "ipv4.addresses", "10.9.0.5/24"});
//   box.Nmcli({"connection", "up", "Office LAN"});
//   box.Ipv4Addresses();   // {"10.9.0.5/24"}: v0's addresses as the kernel has them
//   box.DefaultGateway();  // "" when there is no default route
//   box.DnsServers();      // NetworkManager's DNS servers of v0
//   box.Ip({"route"});     // any "ip -j -n NEAR ..." as JSON
//
// While a sandbox lives, DBUS_SYSTEM_BUS_ADDRESS points this process and every
// program it starts (nmcli, netsh, sd-bus clients in-process) at the sandbox's
// own system bus; the previous value comes back when it is destroyed. Code that
// reads the kernel in-process (netlink) enters the near namespace on the calling
// thread with NmSandbox::EnterNear (the returned guard goes back).
//
// The destructor kills NetworkManager, its D-Bus daemon and dnsmasq and removes
// both namespaces and every file it made, also when a test failed. Should the
// test process itself be killed, its children die with it (parent-death signals:
// NetworkManager and dnsmasq die with the thread that made the sandbox, the D-Bus
// daemon with NetworkManager), and the next sandbox removes the namespaces and
// folders that dead processes left behind.
// A sandbox takes about half a second to come up and go (a second on a busy
// machine); several may live at once, in one process or several. Needs root
// and: ip, unshare, setpriv, NetworkManager, nmcli, dbus-daemon, dnsmasq, bash.
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "netsh/ProcessRunner.h"

class NmSandbox {
public:
    static constexpr const char* kDevice = "v0";          // the near end, NetworkManager's
    static constexpr const char* kFarAddress = "10.9.0.1"; // router and DHCP server
    static constexpr const char* kDhcpDns = "10.9.0.2";    // DNS server dnsmasq hands out

    struct Options {
        // NetworkManager asks polkit before changes by users other than root; the
        // sandbox has no polkit, so such requests are refused.
        bool Polkit = false;
    };

    // Empty when a sandbox can be made here, otherwise why not.
    static std::string SkipReason();

    NmSandbox() : NmSandbox(Options{}) {}
    explicit NmSandbox(const Options& options);
    ~NmSandbox();
    NmSandbox(const NmSandbox&) = delete;
    NmSandbox& operator=(const NmSandbox&) = delete;

    const std::string& NearNamespace() const { return FNear; }
    const std::string& FarNamespace() const { return FFar; }
    const std::string& BusAddress() const { return FBus; }

    // Runs nmcli against the sandbox; throws with nmcli's message when it fails.
    std::string Nmcli(const std::vector<std::string>& args) const;
    // "nmcli connection add type ethernet ifname v0 con-name NAME
    //  connection.autoconnect no ipv6.method disabled SETTINGS..."
    void AddEthernetProfile(const std::string& name, const std::vector<std::string>& settings = {},
                            const std::string& device = kDevice) const;
    // One setting of a profile as nmcli shows it ("ipv4.method" -> "manual").
    std::string ProfileSetting(const std::string& name, const std::string& setting) const;

    nlohmann::json Ip(const std::vector<std::string>& args) const;
    std::vector<std::string> Ipv4Addresses() const;
    std::string DefaultGateway() const;
    std::vector<std::string> DnsServers() const;

    // Ends the DHCP server, so that DHCP requests go unanswered.
    void StopDhcpServer();

    // Puts the calling thread into the near namespace until the guard is destroyed.
    class NamespaceGuard {
    public:
        explicit NamespaceGuard(const std::string& name);
        ~NamespaceGuard();
        NamespaceGuard(const NamespaceGuard&) = delete;
        NamespaceGuard& operator=(const NamespaceGuard&) = delete;

    private:
        int FPrevious = -1;
    };
    std::unique_ptr<NamespaceGuard> EnterNear() const { return std::make_unique<NamespaceGuard>(FNear); }

private:
    void SetUp(const Options& options);
    void TearDown() noexcept;
    void WaitForDevice();

    std::string FNear, FFar, FDir, FBus;
    int FDnsmasq = -1, FManager = -1;  // process ids of our children
    bool FBusSet = false;  // DBUS_SYSTEM_BUS_ADDRESS is ours until TearDown
    bool FHadBus = false;
    std::string FPreviousBus;
};

// Runs a program and throws std::runtime_error with its error output when it fails.
std::string RunOrThrow(const std::vector<std::string>& argv);
