#include "platform/RegularFile.h"

#include <algorithm>

#include "platform/SystemError.h"

TFileRead ReadUpTo(std::size_t sizeHint, std::size_t limit,
                   const std::function<long long(char*, std::size_t)>& readSome)
{
    TFileRead read;
    read.Bytes.resize(std::min(sizeHint, limit) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == read.Bytes.size()) {
            if (have > limit)
                break;
            read.Bytes.resize(std::min(limit + 1, have * 2 + 4096));
        }
        const long long n = readSome(read.Bytes.data() + have, read.Bytes.size() - have);
        if (n < 0) {
            const int error = LastSystemErrorCode();
            read = TFileRead{TFileRead::TResult::CannotRead, {}, SystemErrorText(error)};
            return read;
        }
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    read.Bytes.resize(have);
    if (have > limit)
        read = TFileRead{TFileRead::TResult::TooLarge, {}, {}};
    return read;
}
