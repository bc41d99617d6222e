#include "NmSandbox.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;
using netsh::ProcessResult;
using netsh::RunProcess;

namespace {

// Every name the sandbox gives begins with this and the owner's process id, so
// leftovers of a killed test process can be told from sandboxes still in use.
constexpr const char* kPrefix = "nvsbx-";

const char* const kManagerConf = R"([main]
plugins=keyfile
no-auto-default=*
auth-polkit=@POLKIT@
dns=default
rc-manager=unmanaged
hostname-mode=none
dhcp=internal

[keyfile]
unmanaged-devices=except:interface-name:v0

[logging]
level=INFO

[connectivity]
enabled=false
)";

const char* const kBusConf = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=/run/dbus/system_bus_socket</listen>
  <listen>unix:path=@DIR@/bus.sock</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
)";

// Runs inside the near namespace, in a mount namespace of its own: a private
// /run keeps the host's D-Bus and NetworkManager state apart, a read-only /sys
// stops NetworkManager from waiting for udev, and the bind mounts give it the
// sandbox's configuration and state folders.
const char* const kInnerScript = R"(set -e
mount -t tmpfs -o mode=755 nmrun /run
mount -o remount,bind,ro /sys
mkdir -p /run/dbus /run/NetworkManager
mount --bind @DIR@/etc /etc/NetworkManager
mount --bind @DIR@/varlib /var/lib/NetworkManager
@SETPRIV@ --pdeathsig KILL @DBUS@ --config-file=@DIR@/dbus.conf --nofork --nopidfile &
while [ ! -S @DIR@/bus.sock ]; do sleep 0.02; done
exec @NM@ --debug > @DIR@/nm.log 2>&1
)";

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path) << text;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The tools live in sbin folders that a user's PATH may lack.
std::string FindTool(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream dirs(std::string(path ? path : "") + ":/usr/sbin:/sbin:/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && ::access((dir + "/" + name).c_str(), X_OK) == 0)
            return dir + "/" + name;
    return "";
}

std::string Tool(const std::string& name)
{
    const std::string path = FindTool(name);
    if (path.empty())
        throw std::runtime_error(name + " not found");
    return path;
}

// Starts a program that runs until we end it. It gets SIGKILL should this thread
// die first, so a killed test leaves no processes behind.
pid_t StartBackground(const std::vector<std::string>& argv, const std::string& log)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(out, 2);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

void Stop(int& pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid = -1;
}

bool ProcessAlive(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// "nvsbx-<pid>-..." whose process is gone.
bool LeftBehind(const std::string& name)
{
    if (name.rfind(kPrefix, 0) != 0)
        return false;
    const long pid = std::atol(name.c_str() + std::strlen(kPrefix));
    return pid > 0 && !ProcessAlive(static_cast<pid_t>(pid));
}

void RemoveLeftovers()
{
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/run/netns", ec)) {
        const std::string name = entry.path().filename();
        if (LeftBehind(name)) {
            RunProcess({Tool("ip"), "netns", "delete", name});
            fs::remove_all("/etc/netns/" + name, ec);
        }
    }
    for (const auto& entry : fs::directory_iterator(fs::temp_directory_path(), ec))
        if (LeftBehind(entry.path().filename()))
            fs::remove_all(entry.path(), ec);
}

}  // namespace

std::string RunOrThrow(const std::vector<std::string>& argv)
{
    const ProcessResult result = RunProcess(argv);
    if (!result.Started || result.ExitCode != 0) {
        std::string line;
        for (const std::string& a : argv)
            line += (line.empty() ? "" : " ") + a;
        throw std::runtime_error(line + " failed (" + std::to_string(result.ExitCode) + "): " + result.Err);
    }
    return result.Out;
}

std::string NmSandbox::SkipReason()
{
    if (::geteuid() != 0)
        return "needs root to create network namespaces";
    for (const char* tool : {"ip", "unshare", "setpriv", "NetworkManager", "nmcli", "dbus-daemon", "dnsmasq", "bash"})
        if (FindTool(tool).empty())
            return std::string(tool) + " is not installed";
    return "";
}

NmSandbox::NmSandbox(const Options& options)
{
    try {
        SetUp(options);
    } catch (...) {
        TearDown();
        throw;
    }
}

NmSandbox::~NmSandbox()
{
    TearDown();
}

void NmSandbox::SetUp(const Options& options)
{
    RemoveLeftovers();
    static std::atomic<int> counter{0};
    const std::string id = kPrefix + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    std::string dir = (fs::temp_directory_path() / (id + ".XXXXXX")).string();
    if (!::mkdtemp(dir.data()))
        throw std::runtime_error(std::string("mkdtemp: ") + std::strerror(errno));
    FDir = dir;
    // Other users reach the bus socket inside (to be refused by polkit, not by the folder).
    fs::permissions(FDir, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    FBus = "unix:path=" + FDir + "/bus.sock";
    fs::create_directories(FDir + "/etc/system-connections");
    fs::permissions(FDir + "/etc/system-connections", fs::perms::owner_all);
    fs::create_directories(FDir + "/varlib");
    WriteFile(FDir + "/etc/NetworkManager.conf",
              Replace(kManagerConf, "@POLKIT@", options.Polkit ? "true" : "false"));
    WriteFile(FDir + "/dbus.conf", Replace(kBusConf, "@DIR@", FDir));
    std::string inner = kInnerScript;
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"@DIR@", FDir},
                                     {"@DBUS@", Tool("dbus-daemon")},
                                     {"@NM@", Tool("NetworkManager")},
                                     {"@SETPRIV@", Tool("setpriv")}})
        inner = Replace(inner, key, value);
    WriteFile(FDir + "/inner.sh", inner);

    const std::string ip = Tool("ip");
    // Names are set before creating, so that TearDown removes whatever was made.
    FNear = id + "-near";
    FFar = id + "-far";
    RunOrThrow({ip, "netns", "add", FNear});
    RunOrThrow({ip, "netns", "add", FFar});
    RunOrThrow({ip, "link", "add", kDevice, "netns", FNear, "type", "veth", "peer", "name", "v1", "netns", FFar});
    for (const auto& [ns, dev] : {std::pair{FNear, "lo"}, {FNear, kDevice}, {FFar, "lo"}, {FFar, "v1"}})
        RunOrThrow({ip, "-n", ns, "link", "set", dev, "up"});
    RunOrThrow({ip, "-n", FFar, "addr", "add", std::string(kFarAddress) + "/24", "dev", "v1"});
    // "ip netns exec" puts this file over /etc/resolv.conf: nothing inside writes the host's.
    fs::create_directories("/etc/netns/" + FNear);
    WriteFile("/etc/netns/" + FNear + "/resolv.conf", "");

    // --no-ping: dnsmasq otherwise spends seconds ping-checking each offered address.
    FDnsmasq = StartBackground({ip, "netns", "exec", FFar, Tool("dnsmasq"), "--no-daemon", "--conf-file=/dev/null",
                                "--port=0", "--interface=v1", "--bind-interfaces", "--no-ping",
                                "--dhcp-range=10.9.0.100,10.9.0.150,255.255.255.0,1h",
                                std::string("--dhcp-option=option:router,") + kFarAddress,
                                std::string("--dhcp-option=option:dns-server,") + kDhcpDns,
                                "--dhcp-leasefile=" + FDir + "/leases"},
                               FDir + "/dnsmasq.log");
    // unshare and bash exec one another, so FManager ends up as NetworkManager's
    // own process id; the D-Bus daemon dies with it (setpriv --pdeathsig).
    FManager = StartBackground({ip, "netns", "exec", FNear, Tool("unshare"), "--mount", "--uts", "--propagation",
                                "private", Tool("bash"), FDir + "/inner.sh"},
                               FDir + "/inner.log");

    if (const char* previous = std::getenv("DBUS_SYSTEM_BUS_ADDRESS"))
        FPreviousBus = previous;
    FHadBus = std::getenv("DBUS_SYSTEM_BUS_ADDRESS") != nullptr;
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", FBus.c_str(), 1);
    FBusSet = true;
    WaitForDevice();
}

void NmSandbox::WaitForDevice()
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(30);
    while (steady_clock::now() < deadline) {
        if (::waitpid(FManager, nullptr, WNOHANG) == FManager) {
            FManager = -1;
            throw std::runtime_error("NetworkManager ended: " + ReadFile(FDir + "/inner.log") +
                                     ReadFile(FDir + "/nm.log"));
        }
        const ProcessResult r = RunProcess({"nmcli", "-t", "-f", "DEVICE,STATE", "device"}, {"LC_ALL=C.UTF-8"});
        if (r.ExitCode == 0 && r.Out.find(std::string(kDevice) + ":disconnected") != std::string::npos)
            return;
        std::this_thread::sleep_for(milliseconds(20));
    }
    throw std::runtime_error("NetworkManager did not take up " + std::string(kDevice) + " within 30 s: " +
                             ReadFile(FDir + "/nm.log"));
}

void NmSandbox::TearDown() noexcept
{
    Stop(FManager);
    Stop(FDnsmasq);
    const std::string ip = FindTool("ip");
    for (const std::string& ns : {FNear, FFar})
        if (!ns.empty())
            RunProcess({ip, "netns", "delete", ns});
    std::error_code ec;
    if (!FNear.empty())
        fs::remove_all("/etc/netns/" + FNear, ec);
    if (!FDir.empty())
        fs::remove_all(FDir, ec);
    if (FBusSet) {
        if (FHadBus)
            ::setenv("DBUS_SYSTEM_BUS_ADDRESS", FPreviousBus.c_str(), 1);
        else
            ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    }
}

std::string NmSandbox::Nmcli(const std::vector<std::string>& args) const
{
    std::vector<std::string> argv{"nmcli"};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunOrThrow(argv);
}

void NmSandbox::AddEthernetProfile(const std::string& name, const std::vector<std::string>& settings,
                                   const std::string& device) const
{
    std::vector<std::string> args{"connection", "add", "type", "ethernet", "ifname", device, "con-name", name,
                                  "connection.autoconnect", "no", "ipv6.method", "disabled"};
    args.insert(args.end(), settings.begin(), settings.end());
    Nmcli(args);
}

std::string NmSandbox::ProfileSetting(const std::string& name, const std::string& setting) const
{
    std::string value = Nmcli({"--get-values", setting, "connection", "show", "id", name});
    while (!value.empty() && (value.back() == '\n' || value.back() == ' '))
        value.pop_back();
    return value;
}

nlohmann::json NmSandbox::Ip(const std::vector<std::string>& args) const
{
    std::vector<std::string> argv{Tool("ip"), "-j", "-n", FNear};
    argv.insert(argv.end(), args.begin(), args.end());
    const std::string out = RunOrThrow(argv);
    return out.empty() ? nlohmann::json::array() : nlohmann::json::parse(out);
}

std::vector<std::string> NmSandbox::Ipv4Addresses() const
{
    std::vector<std::string> addresses;
    for (const auto& link : Ip({"-4", "addr", "show", "dev", kDevice}))
        for (const auto& a : link.value("addr_info", nlohmann::json::array()))
            addresses.push_back(a.at("local").get<std::string>() + "/" + std::to_string(a.at("prefixlen").get<int>()));
    return addresses;
}

std::string NmSandbox::DefaultGateway() const
{
    for (const auto& route : Ip({"-4", "route", "show", "default"}))
        if (route.contains("gateway"))
            return route.at("gateway").get<std::string>();
    return "";
}

std::vector<std::string> NmSandbox::DnsServers() const
{
    std::vector<std::string> servers;
    std::istringstream lines(Nmcli({"--terse", "--fields", "IP4.DNS", "device", "show", kDevice}));
    for (std::string line; std::getline(lines, line);)
        if (const auto colon = line.find(':'); colon != std::string::npos && colon + 1 < line.size())
            servers.push_back(line.substr(colon + 1));
    return servers;
}

void NmSandbox::StopDhcpServer()
{
    Stop(FDnsmasq);
}

NmSandbox::NamespaceGuard::NamespaceGuard(const std::string& name)
{
    FPrevious = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    const int target = ::open(("/run/netns/" + name).c_str(), O_RDONLY | O_CLOEXEC);
    const bool entered = FPrevious >= 0 && target >= 0 && ::setns(target, CLONE_NEWNET) == 0;
    const int error = errno;
    if (target >= 0)
        ::close(target);
    if (!entered) {
        if (FPrevious >= 0)
            ::close(FPrevious);
        throw std::runtime_error("cannot enter network namespace " + name + ": " + std::strerror(error));
    }
}

NmSandbox::NamespaceGuard::~NamespaceGuard()
{
    ::setns(FPrevious, CLONE_NEWNET);
    ::close(FPrevious);
}
