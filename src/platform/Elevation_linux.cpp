#include "platform/Elevation.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <unistd.h>

bool ProcessIsElevated() { return true; }

struct ReportFile::Impl {
    int fd = -1;
};

std::unique_ptr<ReportFile> ReportFile::Create(int& errorCode)
{
    std::error_code error;
    std::string path = (std::filesystem::temp_directory_path(error) / "netvane-apply-XXXXXX").string();
    if (error) {
        errorCode = error.value();
        return nullptr;
    }
    // Made new, readable and writable by this user only.
    auto impl = std::make_unique<Impl>();
    impl->fd = mkstemp(path.data());
    if (impl->fd < 0) {
        errorCode = errno;
        return nullptr;
    }
    errorCode = 0;
    return std::unique_ptr<ReportFile>(new ReportFile(std::move(impl), std::move(path)));
}

ReportFile::ReportFile(std::unique_ptr<Impl> impl, std::string path) : impl_(std::move(impl)), path_(std::move(path))
{
}

ReportFile::~ReportFile()
{
    unlink(path_.c_str());
    close(impl_->fd);
}

std::optional<std::string> ReportFile::Read(std::size_t maxBytes) const
{
    std::string text;
    char buffer[4096];
    for (off_t offset = 0;;) {
        const ssize_t got = pread(impl_->fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return text;
        if (text.size() + static_cast<std::size_t>(got) > maxBytes)
            return std::nullopt;
        text.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
}
