// The Linux reader takes the values from the file on disk, and survives files that
// only look like programs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <elf.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "controls/o_FileInfo.h"
#include "controls/o_FileInfoOS.h"

namespace {

namespace fs = std::filesystem;

// Every byte of a literal but its closing NUL.
template <std::size_t N>
std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

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
    copy.Write(Bytes("\x7f" "ELF\x02\x01\x01"));
    EXPECT_EQ(FileInfoOS::VersionInfoSize(copy.path, handle), 0);

    TqxFileInfo info;
    info.SetFileName(copy.path);
    EXPECT_EQ(info.FileName(), copy.path);
    EXPECT_EQ(info.CompanyName(), "");
}

// The program's own version section, rewritten to hold the magic and then
// tail, the section's size shrunk to match. Empty when no such section is found.
std::string WithVersionSection(std::string bytes, const std::string& tail)
{
    const std::string magic("QXVERINFO1\0", 11);
    Elf64_Ehdr eh;
    std::memcpy(&eh, bytes.data(), sizeof eh);
    for (unsigned i = 0; i < eh.e_shnum; ++i) {
        const std::size_t at = eh.e_shoff + i * sizeof(Elf64_Shdr);
        Elf64_Shdr sh;
        std::memcpy(&sh, bytes.data() + at, sizeof sh);
        if (sh.sh_type == SHT_NOBITS || sh.sh_size < magic.size() + tail.size() ||
            bytes.compare(sh.sh_offset, magic.size(), magic) != 0)
            continue;
        bytes.replace(sh.sh_offset + magic.size(), tail.size(), tail);
        sh.sh_size = magic.size() + tail.size();
        std::memcpy(bytes.data() + at, &sh, sizeof sh);
        return bytes;
    }
    return {};
}

TEST(FileInfoLinux, DamagedVersionSectionsReadAsHavingNoValues)
{
    const std::string whole = ReadAll(FileInfoOS::ExecutablePath());
    Scratch copy;
    // A key without its NUL at the very end; a key whose value lacks its NUL;
    // a well-formed pair before a cut-off one; the magic alone.
    const std::string cases[] = {"abc", Bytes("abc\0def"),
                                 Bytes("\\VarFileInfo\\Translation\0" "040704E4\0x"), ""};
    for (const std::string& tail : cases) {
        SCOPED_TRACE(tail);
        const std::string bytes = WithVersionSection(whole, tail);
        ASSERT_FALSE(bytes.empty());
        copy.Write(bytes);
        TqxFileInfo info;
        info.SetFileName(copy.path);
        EXPECT_EQ(info.CompanyName(), "");
        EXPECT_EQ(info.FileVersion(), "");
        EXPECT_EQ(info.QueryValue("ProductName"), "");
    }
}

}  // namespace
