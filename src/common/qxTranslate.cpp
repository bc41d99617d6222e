#include "common/qxTranslate.h"

#include <atomic>
#include <vector>

namespace {
std::atomic<TTranslateHook> gHook{nullptr};
}

void SetTranslateHook(TTranslateHook hook) { gHook.store(hook); }

std::string Tx(const char* context, const char* source)
{
    const TTranslateHook hook = gHook.load();
    return hook ? hook(context, source) : std::string(source);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    const std::vector<std::string_view> given(values);
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < given.size()) {
                result.append(given[index]);
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}
