#pragma once
// A network namespace made for one test and removed with it, also when the
// test fails. Nothing here touches the machine's own interfaces.
#include <functional>
#include <string>
#include <vector>

// Runs a program (looked up on PATH) with its arguments; its exit status, or -1.
int RunProgram(const std::vector<std::string>& Arguments);

// Why namespace tests cannot run here, or empty when they can.
std::string WhyNoNamespaces();

class TNetNamespace {
public:
    TNetNamespace();  // check Ok() before use
    ~TNetNamespace();
    TNetNamespace(const TNetNamespace&) = delete;
    TNetNamespace& operator=(const TNetNamespace&) = delete;

    bool Ok() const { return FOk; }
    const std::string& Name() const { return FName; }
    // "ip -n <name> <arguments>"; true on exit status 0.
    bool Ip(const std::vector<std::string>& Arguments) const;
    // Runs Work on a thread that has entered the namespace; this thread stays
    // where it is. False when the namespace could not be entered.
    bool Run(const std::function<void()>& Work) const;

private:
    std::string FName;
    bool FOk = false;
};
