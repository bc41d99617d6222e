// The Linux version reader on any bytes: as the version block itself, and as a
// whole file that may or may not be an ELF executable with a version section.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/VersionBlock.h"
#include "controls/o_FileInfoOS.h"

namespace {

const char* const kPaths[] = {"\\VarFileInfo\\Translation", "\\StringFileInfo\\040904B0\\CompanyName", "a", ""};

std::string ScratchFile()
{
    return "/dev/shm/netvane_fuzz_version_" + std::to_string(getpid());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the input's size, so a read past it is caught.
    const std::vector<char> block(data, data + size);
    const std::string_view view(block.data(), block.size());
    const bool wellFormed = VersionBlockWellFormed(view);
    for (const char* path : kPaths) {
        const auto value = VersionBlockValue(view, path);
        if (value && (!wellFormed || value->data() < block.data() || value->data() + value->size() > block.data() + size))
            std::abort();
    }

    const std::string file = ScratchFile();
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size))
        std::abort();
    ::close(fd);
    std::uint32_t handle = 0;
    const std::int32_t needed = FileInfoOS::VersionInfoSize(file, handle);
    if (needed > 0) {
        std::vector<unsigned char> buffer(static_cast<std::size_t>(needed));
        if (FileInfoOS::VersionInfoCopy(file, handle, needed, buffer.data())) {
            std::uint32_t translation = 0;
            FileInfoOS::QueryTranslation(buffer.data(), translation);
            std::string value;
            FileInfoOS::QueryString(buffer.data(), kPaths[1], value);
        }
    }
    return 0;
}
