#pragma once
// Reads the string values of a file's version information: company, description,
// versions, legal notices. Assigning FileName reads the file; a read that finds no
// file or no version data keeps the values it had.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TqxFileInfo {
public:
    const std::string& FileName() const { return FFileName; }
    // A blank name selects the running executable (FileName then reads back its full path).
    void SetFileName(const std::string& value);

    const std::string& CompanyName() const { return FCompanyName; }
    const std::string& FileDescription() const { return FFileDescription; }
    const std::string& FileVersion() const { return FFileVersion; }
    const std::string& InternalName() const { return FInternalName; }
    const std::string& LegalCopyright() const { return FLegalCopyright; }
    const std::string& LegalTrademarks() const { return FLegalTrademarks; }
    const std::string& OriginalFilename() const { return FOriginalFilename; }
    const std::string& ProductName() const { return FProductName; }
    const std::string& ProductVersion() const { return FProductVersion; }
    const std::string& Comments() const { return FComments; }

    // The last number of the dotted FileVersion (a four-part version's build number), 0 when it is no number.
    std::int32_t FileVersionAsNumeric() const;

    // The named string value of FileName's version data, "" when missing. Outside a read it
    // reads the file afresh.
    std::string QueryValue(const std::string& name);
    std::string AllInfoAsIni() const { return {}; }

private:
    void ReadVersionInfo();
    // Looks name up in the first language of the block being read.
    std::string ValueFromBuffer(const std::string& name);

    std::int32_t FVerSize = 0;
    std::vector<unsigned char> FVerBuf;  // only during a read
    std::uint32_t FVerHandle = 0;
    std::string FVerKey;
    std::string FCompanyName;
    std::string FLegalCopyright;
    std::string FLegalTrademarks;
    std::string FOriginalFilename;
    std::string FInternalName;
    std::string FFileDescription;
    std::string FFileName;
    std::string FFileVersion;
    std::string FProductVersion;
    std::string FProductName;
    std::string FComments;
};

// The part of a version text after its last ".", as an integer; 0 when it does not convert.
std::int32_t VersionBuildNumber(std::string_view fileVersion);
