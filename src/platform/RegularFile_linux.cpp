#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/SystemError.h"

namespace {

TFileRead Failed(TFileRead::TResult result)
{
    TFileRead read;
    read.Result = result;
    if (result == TFileRead::TResult::CannotOpen || result == TFileRead::TResult::CannotRead)
        read.Error = SystemErrorText(errno);
    return read;
}

}  // namespace

TFileRead ReadRegularFile(const std::string& path, std::size_t limit)
{
    // Looked at before opening: opening a device can act on it, and an empty FIFO waits for a writer.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return Failed(TFileRead::TResult::CannotOpen);
    if (!S_ISREG(info.st_mode))
        return Failed(TFileRead::TResult::NotARegularFile);
    // Non-blocking, so one swapped in meanwhile does not wait either; then the open file decides.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Failed(TFileRead::TResult::CannotOpen);
    TFileRead read;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        read.Result = TFileRead::TResult::NotARegularFile;
    } else if (static_cast<unsigned long long>(info.st_size) > limit) {
        read.Result = TFileRead::TResult::TooLarge;
    } else {
        read = ReadUpTo(static_cast<std::size_t>(info.st_size), limit, [fd](char* buffer, std::size_t room) {
            for (;;) {
                const ssize_t n = ::read(fd, buffer, room);
                if (n >= 0 || errno != EINTR)
                    return static_cast<long long>(n);
            }
        });
    }
    close(fd);
    return read;
}
