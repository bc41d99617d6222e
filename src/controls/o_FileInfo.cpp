#include "controls/o_FileInfo.h"

#include <cstdio>

#include "common/qxText.h"
#include "controls/o_FileInfoOS.h"

namespace {

// Frees the version block when a read ends, also when a query throws.
struct BufferRelease {
    std::vector<unsigned char>& buffer;
    ~BufferRelease()
    {
        buffer.clear();
        buffer.shrink_to_fit();
    }
};

}  // namespace

std::int32_t VersionBuildNumber(std::string_view fileVersion)
{
    const std::size_t dot = fileVersion.rfind('.');
    const std::string_view last = dot == std::string_view::npos ? fileVersion : fileVersion.substr(dot + 1);
    return TryStrToInt(Trim(last)).value_or(0);
}

std::int32_t TqxFileInfo::FileVersionAsNumeric() const { return VersionBuildNumber(FFileVersion); }

void TqxFileInfo::SetFileName(const std::string& value)
{
    FFileName = value;
    ReadVersionInfo();
}

void TqxFileInfo::ReadVersionInfo()
{
    if (IsBlank(FFileName)) {
        const std::string self = FileInfoOS::ExecutablePath();
        if (self.empty())
            return;  // the system cannot tell; choosing a blank name again would loop
        SetFileName(self);
        return;
    }
    if (!FileInfoOS::FileExists(FFileName))
        return;
    FVerSize = FileInfoOS::VersionInfoSize(FFileName, FVerHandle);
    if (FVerSize <= 0)
        return;
    FVerBuf.assign(static_cast<std::size_t>(FVerSize), 0);
    BufferRelease release{FVerBuf};
    const bool copied = FileInfoOS::VersionInfoCopy(FFileName, FVerHandle, FVerSize, FVerBuf.data());
    auto value = [&](const char* name) { return copied ? ValueFromBuffer(name) : std::string(); };
    FCompanyName = value("CompanyName");
    FFileDescription = value("FileDescription");
    FFileVersion = value("FileVersion");
    FInternalName = value("InternalName");
    FLegalCopyright = value("LegalCopyRight");
    FLegalTrademarks = value("LegalTradeMarks");
    FOriginalFilename = value("OriginalFileName");
    FProductName = value("ProductName");
    FProductVersion = value("ProductVersion");
    FComments = value("Comments");
}

std::string TqxFileInfo::ValueFromBuffer(const std::string& name)
{
    std::uint32_t translation = 0;
    if (!FileInfoOS::QueryTranslation(FVerBuf.data(), translation))
        return {};
    // Only the first language of the table is used: "%.4x%.4x", language then code page.
    char block[16];
    std::snprintf(block, sizeof block, "%.4X%.4X", static_cast<unsigned>(translation & 0xFFFFu),
                  static_cast<unsigned>(translation >> 16));
    FVerKey = std::string("\\StringFileInfo\\") + block + "\\" + name;
    std::string result;
    if (!FileInfoOS::QueryString(FVerBuf.data(), FVerKey, result))
        return {};
    return result;
}

std::string TqxFileInfo::QueryValue(const std::string& name)
{
    if (!FVerBuf.empty())
        return ValueFromBuffer(name);
    // Outside a read: copy the data of FileName for this one query.
    if (FFileName.empty() || !FileInfoOS::FileExists(FFileName))
        return {};
    std::uint32_t handle = 0;
    const std::int32_t size = FileInfoOS::VersionInfoSize(FFileName, handle);
    if (size <= 0)
        return {};
    FVerBuf.assign(static_cast<std::size_t>(size), 0);
    BufferRelease release{FVerBuf};
    if (!FileInfoOS::VersionInfoCopy(FFileName, handle, size, FVerBuf.data()))
        return {};
    return ValueFromBuffer(name);
}
