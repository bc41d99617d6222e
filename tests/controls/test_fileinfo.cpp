#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "controls/o_FileInfo.h"
#include "controls/o_FileInfoOS.h"

namespace {

namespace fs = std::filesystem;

std::string Beside(const std::string& name)
{
    return (fs::path(FileInfoOS::ExecutablePath()).parent_path() / name).string();
}

std::string NoVersionProgram() { return Beside(NOVERSION_PROGRAM); }

// This test program's own version data, as its CMakeLists gives it.
void ExpectOwnValues(const TqxFileInfo& info)
{
    EXPECT_EQ(info.CompanyName(), "Example \"Tools\" Ltd");
    EXPECT_EQ(info.FileDescription(), "Version reader test");
    EXPECT_EQ(info.FileVersion(), "2.1.4.77");
    EXPECT_EQ(info.InternalName(), "test_fileinfo");
    EXPECT_EQ(info.LegalCopyright(), "(C) 2026 Example, C:\\Tools");
    EXPECT_EQ(info.LegalTrademarks(), "Example is a mark");
    EXPECT_EQ(info.OriginalFilename(), "test_fileinfo.exe");
    EXPECT_EQ(info.ProductName(), "Example Product");
    EXPECT_EQ(info.ProductVersion(), "2.1");
    EXPECT_EQ(info.Comments(), "");  // not in the data: empty, the rest filled
    EXPECT_EQ(info.FileVersionAsNumeric(), 77);
}

struct TempFile {
    std::string path;
    explicit TempFile(const std::string& name, const std::string& content)
        : path((fs::temp_directory_path() / name).string())
    {
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TempFile() { std::remove(path.c_str()); }
};

TEST(FileInfo, NewReaderHoldsNothing)
{
    TqxFileInfo info;
    EXPECT_EQ(info.FileName(), "");
    EXPECT_EQ(info.CompanyName(), "");
    EXPECT_EQ(info.FileVersionAsNumeric(), 0);
    EXPECT_EQ(info.AllInfoAsIni(), "");
}

TEST(FileInfo, BlankNameReadsTheRunningExecutable)
{
    for (const char* blank : {"", "  \t "}) {
        TqxFileInfo info;
        info.SetFileName(blank);
        EXPECT_EQ(info.FileName(), FileInfoOS::ExecutablePath()) << '"' << blank << '"';
        EXPECT_TRUE(FileInfoOS::FileExists(info.FileName()));
        ExpectOwnValues(info);
    }
}

TEST(FileInfo, ReadsTheFileByItsPath)
{
    TqxFileInfo info;
    info.SetFileName(FileInfoOS::ExecutablePath());
    ExpectOwnValues(info);
    EXPECT_EQ(info.AllInfoAsIni(), "");
}

TEST(FileInfo, FileWithoutVersionDataKeepsTheEarlierValues)
{
    TqxFileInfo fresh;
    fresh.SetFileName(NoVersionProgram());
    EXPECT_EQ(fresh.FileName(), NoVersionProgram());
    EXPECT_EQ(fresh.CompanyName(), "");
    EXPECT_EQ(fresh.FileVersion(), "");

    TempFile text("netvane_fileinfo_plain.txt", "no version data in here\n");
    TqxFileInfo info;
    info.SetFileName("");
    for (const std::string& other : {NoVersionProgram(), text.path, Beside("no_such_file.bin")}) {
        info.SetFileName(other);
        EXPECT_EQ(info.FileName(), other);
        ExpectOwnValues(info);
    }
}

TEST(FileInfo, FolderIsNoFile)
{
    TqxFileInfo info;
    info.SetFileName("");
    const std::string folder = fs::path(FileInfoOS::ExecutablePath()).parent_path().string();
    EXPECT_FALSE(FileInfoOS::FileExists(folder));
    info.SetFileName(folder);
    ExpectOwnValues(info);
}

TEST(FileInfo, QueryValueOutsideARead)
{
    TqxFileInfo info;
    EXPECT_EQ(info.QueryValue("ProductName"), "");  // no file yet
    info.SetFileName("");
    EXPECT_EQ(info.QueryValue("ProductName"), "Example Product");
    EXPECT_EQ(info.QueryValue("productname"), "Example Product");  // names match as the system matches them
    EXPECT_EQ(info.QueryValue("Comments"), "");
    EXPECT_EQ(info.QueryValue("NoSuchValue"), "");
    info.SetFileName(NoVersionProgram());
    EXPECT_EQ(info.QueryValue("ProductName"), "");
}

TEST(FileInfo, BuildNumberIsTheLastPartOfTheVersion)
{
    EXPECT_EQ(VersionBuildNumber("2.1.4.77"), 77);
    EXPECT_EQ(VersionBuildNumber(""), 0);
    EXPECT_EQ(VersionBuildNumber("3.0."), 0);
    EXPECT_EQ(VersionBuildNumber("7"), 7);
    EXPECT_EQ(VersionBuildNumber("1.0 beta"), 0);
    EXPECT_EQ(VersionBuildNumber("1.2. 15 "), 15);
    EXPECT_EQ(VersionBuildNumber("1.2.$1F"), 31);
    EXPECT_EQ(VersionBuildNumber("1.2.-3"), -3);
    EXPECT_EQ(VersionBuildNumber("1.2.99999999999"), 0);
}

}  // namespace
