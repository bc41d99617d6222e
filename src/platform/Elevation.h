#pragma once
// Administrator rights for applying. On Windows a process whose token is not
// elevated cannot change addresses, so applying goes through one helper started
// with administrator rights (ipsets/ElevatedApply.h). On Linux netsh asks
// NetworkManager's policy for what it needs, so every process counts as elevated.
// Elevation_linux.cpp / Elevation_windows.cpp implement it.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

// Windows: the process token's TokenElevation. Linux: always true.
bool ProcessIsElevated();

// What a start with administrator rights gives when the user refused (ERROR_CANCELLED).
inline constexpr int kElevationRefused = 1223;

// Where the helper reports: a new, empty file in the user's own temporary folder,
// made by this process (never one that was there before), held open for its whole
// life so that it cannot be swapped or removed meanwhile, and removed at its end.
// Others may write into it while it is open; what they write is read back through
// the handle it was made with.
class ReportFile {
public:
    // Null on failure, with the system's error number.
    static std::unique_ptr<ReportFile> Create(int& errorCode);
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // The file's path, UTF-8.
    const std::string& Path() const { return path_; }
    // Everything it holds now; nothing when that is more than maxBytes or cannot be read.
    std::optional<std::string> Read(std::size_t maxBytes) const;

    struct Impl;

private:
    ReportFile(std::unique_ptr<Impl> impl, std::string path);
    std::unique_ptr<Impl> impl_;
    std::string path_;
};
