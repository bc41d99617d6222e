// The text helpers every layer uses, on any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/qxError.h"
#include "common/qxText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string trimmed = Trim(text);
    if (trimmed.size() > size || Trim(trimmed) != trimmed)
        std::abort();
    if (IsBlank(text) != trimmed.empty())
        std::abort();
    if (TrimLeft(TrimRight(text)) != trimmed)
        std::abort();

    const auto number = TryStrToInt(text);
    try {
        if (StrToInt(text) != number.value())
            std::abort();
    } catch (const EqxError&) {
        if (number)
            std::abort();
    }
    // A number written out reads back as itself.
    if (number && TryStrToInt(std::to_string(*number)) != number)
        std::abort();

    FormatS(text, "value");
    FormatS("%s", text);
    return 0;
}
