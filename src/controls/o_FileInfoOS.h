#pragma once
// What the version reader needs from the system: the three version-information
// calls, a file test and the running executable's path. On Windows these are the
// system's own; on Linux the version data is a block the build puts into the file.
#include <cstdint>
#include <string>

namespace FileInfoOS {

// Size in bytes of the file's version data; 0 when it has none (or cannot be read).
std::int32_t VersionInfoSize(const std::string& fileName, std::uint32_t& handle);
// Copies the version data into buffer (size bytes); false when that fails.
bool VersionInfoCopy(const std::string& fileName, std::uint32_t handle, std::int32_t size, void* buffer);
// The first entry of "\VarFileInfo\Translation": language in the low 16 bits, code page in the high.
bool QueryTranslation(const void* buffer, std::uint32_t& translation);
// The text stored under a "\StringFileInfo\<lang><codepage>\<Name>" path, UTF-8.
bool QueryString(const void* buffer, const std::string& subBlock, std::string& value);

// True for an existing file that is not a folder.
bool FileExists(const std::string& fileName);
// Full path of the running executable; empty when the system cannot tell.
std::string ExecutablePath();

}  // namespace FileInfoOS
