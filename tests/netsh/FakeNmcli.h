#pragma once
#include <map>
#include <string>
#include <vector>

#include "netsh/ProcessRunner.h"

// Stands in for nmcli: records every argument vector and answers by the first
// two arguments ("connection up", "device reapply", ...); unknown calls succeed.
struct FakeNmcli {
    std::vector<std::vector<std::string>> Calls;
    std::map<std::string, netsh::ProcessResult> Answers;

    void Answer(const std::string& verb, int exitCode, const std::string& out, const std::string& err = "")
    {
        Answers[verb] = {true, exitCode, out, err};
    }

    netsh::ProcessResult operator()(const std::vector<std::string>& args)
    {
        Calls.push_back(args);
        // Terse listings put their options first; the verb follows them.
        std::string verb;
        for (std::size_t i = 0; i + 1 < args.size(); ++i)
            if (args[i] == "connection" || args[i] == "device") {
                verb = args[i] + " " + args[i + 1];
                break;
            }
        const auto found = Answers.find(verb);
        return found != Answers.end() ? found->second : netsh::ProcessResult{true, 0, "", ""};
    }

    bool Called(const std::string& verb) const
    {
        for (const auto& c : Calls)
            for (std::size_t i = 0; i + 1 < c.size(); ++i)
                if (c[i] + " " + c[i + 1] == verb)
                    return true;
        return false;
    }
};
