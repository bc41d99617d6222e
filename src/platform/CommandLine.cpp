#include "platform/CommandLine.h"

namespace {
bool IsSeparator(char c) { return c == ' ' || c == '\t'; }
}

std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();
    if (n == 0 || IsSeparator(line[0])) {
        // A line starting with a blank names an empty program; nothing to run.
        while (i < n && IsSeparator(line[i]))
            ++i;
        if (i == n)
            return args;
        args.emplace_back();
    } else if (line[0] == '"') {
        const std::size_t close = line.find('"', 1);
        const std::size_t end = close == std::string_view::npos ? n : close;
        args.emplace_back(line.substr(1, end - 1));
        i = close == std::string_view::npos ? n : close + 1;
    } else {
        while (i < n && !IsSeparator(line[i]))
            ++i;
        args.emplace_back(line.substr(0, i));
    }

    std::string current;
    bool inArg = false;
    int quotes = 0;      // 1 while inside a quoted part
    std::size_t backslashes = 0;
    while (i < n) {
        const char c = line[i];
        if (IsSeparator(c) && quotes == 0) {
            if (inArg)
                args.push_back(std::move(current));
            current.clear();
            inArg = false;
            backslashes = 0;
            ++i;
            continue;
        }
        inArg = true;
        if (c == '\\') {
            current += c;
            ++backslashes;
            ++i;
        } else if (c == '"') {
            if (backslashes % 2 == 0) {
                current.resize(current.size() - backslashes / 2);
                ++quotes;
            } else {
                current.resize(current.size() - backslashes / 2 - 1);
                current += '"';
            }
            backslashes = 0;
            ++i;
            while (i < n && line[i] == '"') {
                if (++quotes == 3) {
                    current += '"';
                    quotes = 0;
                }
                ++i;
            }
            if (quotes == 2)
                quotes = 0;
        } else {
            current += c;
            backslashes = 0;
            ++i;
        }
    }
    if (inArg)
        args.push_back(std::move(current));
    return args;
}

std::string QuoteArgument(std::string_view argument)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only before a quotation mark, a literal one included.
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');  // before the closing mark
    return quoted + '"';
}
