#pragma once
// Reading a file that came from outside, whole, when it is a regular file and
// no longer than a limit: a FIFO, a device or a folder is refused without being
// read or waited on (an empty FIFO would never end, /dev/zero never either), and
// no more than one byte past the limit is ever read, whatever the file claims.
#include <cstddef>
#include <functional>
#include <string>

struct TFileRead {
    enum class TResult { Read, CannotOpen, NotARegularFile, TooLarge, CannotRead };
    TResult Result = TResult::Read;
    std::string Bytes;  // Read: the file's bytes
    std::string Error;  // CannotOpen, CannotRead: the system's words
};

// path: UTF-8, as the toolkit names files.
TFileRead ReadRegularFile(const std::string& path, std::size_t limit);

// Used by the system's halves: reads with readSome (bytes read, 0 at the end, -1 on
// an error the system's last error tells) until the end or one byte past limit.
TFileRead ReadUpTo(std::size_t sizeHint, std::size_t limit,
                   const std::function<long long(char*, std::size_t)>& readSome);
