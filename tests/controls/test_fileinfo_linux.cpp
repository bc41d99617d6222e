// The Linux reader takes the values from the file on disk, and survives files that
// only look like programs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "controls/o_FileInfo.h"
#include "controls/o_FileInfoOS.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Each test program has a file of its own: CTest runs tests side by side.
struct Scratch {
    std::string path =
        (fs::temp_directory_path() / ("netvane_fileinfo_copy_" + std::to_string(getpid()) + ".bin")).string();
    void Write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    ~Scratch() { std::remove(path.c_str()); }
};

TEST(FileInfoLinux, ValuesComeFromTheFileNotFromTheRunningProgram)
{
    std::string bytes = ReadAll(FileInfoOS::ExecutablePath());
    // Put together here so that the program's own constant data holds no copy of it.
    const std::string stored =
        std::string("\\StringFileInfo\\") + "040704E4" + "\\ProductName" + '\0' + "Example Product";
    const std::size_t at = bytes.find(stored);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at + stored.size() - 7, 7, "Edition");
    Scratch copy;
    copy.Write(bytes);

    TqxFileInfo info;
    info.SetFileName(copy.path);
    EXPECT_EQ(info.ProductName(), "Example Edition");
    EXPECT_EQ(info.FileVersion(), "2.1.4.77");
}

TEST(FileInfoLinux, DamagedProgramsReadAsHavingNoVersionData)
{
    const std::string whole = ReadAll(FileInfoOS::ExecutablePath());
    ASSERT_GT(whole.size(), 4096u);
    Scratch copy;
    std::uint32_t handle = 0;

    // Cut short: the section table at the end of the file is gone.
    copy.Write(whole.substr(0, whole.size() / 2));
    EXPECT_EQ(FileInfoOS::VersionInfoSize(copy.path, handle), 0);

    // Section table said to lie far beyond the end of the file.
    std::string bent = whole;
    const std::uint64_t far = 0x7fffffff00ull;
    std::memcpy(&bent[0x28], &far, sizeof far);  // e_shoff of a 64-bit header
    copy.Write(bent);
    EXPECT_EQ(FileInfoOS::VersionInfoSize(copy.path, handle), 0);

    // Just the ELF magic.
    copy.Write(std::string("\x7f" "ELF\x02\x01\x01", 7));
    EXPECT_EQ(FileInfoOS::VersionInfoSize(copy.path, handle), 0);

    TqxFileInfo info;
    info.SetFileName(copy.path);
    EXPECT_EQ(info.FileName(), copy.path);
    EXPECT_EQ(info.CompanyName(), "");
}

}  // namespace
