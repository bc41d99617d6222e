// Linux has no version resources: the build writes the values into an ELF section
// of the executable (see cmake/VersionInfo.cmake), and this reads that section back
// from the file. The block holds "QXVERINFO1\0" and then pairs of NUL-ended texts:
// a sub-block path ("\VarFileInfo\Translation", "\StringFileInfo\040904B0\CompanyName")
// and its value. The translation value is eight hex digits, language then code page.
#include "controls/o_FileInfoOS.h"
#include "controls/VersionBlock.h"

#include <elf.h>
#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view kSectionName = ".qxverinfo";
constexpr std::string_view kMagic{"QXVERINFO1\0", 11};
// Version data is a few hundred bytes; anything larger is not ours.
constexpr std::uint64_t kMaxBlock = 64 * 1024;

struct Section {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

template <class T>
bool ReadAt(std::ifstream& in, std::uint64_t offset, T& out)
{
    in.seekg(static_cast<std::streamoff>(offset));
    return static_cast<bool>(in.read(reinterpret_cast<char*>(&out), sizeof out));
}

// Finds the version section in an ELF file of the machine's own byte order; every
// offset and size is checked against the file before it is used.
template <class Ehdr, class Shdr>
bool FindSection(std::ifstream& in, std::uint64_t fileSize, Section& found)
{
    Ehdr eh;
    if (!ReadAt(in, 0, eh) || eh.e_shoff == 0 || eh.e_shentsize != sizeof(Shdr))
        return false;
    auto header = [&](std::uint64_t index, Shdr& sh) {
        const std::uint64_t at = eh.e_shoff + index * sizeof(Shdr);
        return at >= eh.e_shoff && at + sizeof(Shdr) <= fileSize && ReadAt(in, at, sh);
    };
    std::uint64_t count = eh.e_shnum;
    std::uint64_t names = eh.e_shstrndx;
    if (count == 0 || names == SHN_XINDEX) {  // many sections: the real numbers are in section 0
        Shdr first;
        if (!header(0, first))
            return false;
        if (count == 0)
            count = first.sh_size;
        if (names == SHN_XINDEX)
            names = first.sh_link;
    }
    Shdr strtab;
    if (names >= count || !header(names, strtab) || strtab.sh_offset > fileSize ||
        strtab.sh_size > fileSize - strtab.sh_offset)
        return false;
    for (std::uint64_t i = 0; i < count; ++i) {
        Shdr sh;
        if (!header(i, sh))
            return false;
        if (sh.sh_type == SHT_NOBITS || sh.sh_name + kSectionName.size() >= strtab.sh_size)
            continue;
        char name[kSectionName.size() + 1];
        in.seekg(static_cast<std::streamoff>(strtab.sh_offset + sh.sh_name));
        if (!in.read(name, sizeof name) || name[kSectionName.size()] != '\0' ||
            std::string_view(name, kSectionName.size()) != kSectionName)
            continue;
        if (sh.sh_offset > fileSize || sh.sh_size > fileSize - sh.sh_offset || sh.sh_size > kMaxBlock)
            return false;
        found = {sh.sh_offset, sh.sh_size};
        return true;
    }
    return false;
}

bool LocateBlock(const std::string& fileName, std::ifstream& in, Section& block)
{
    std::error_code error;
    const std::uint64_t fileSize = std::filesystem::file_size(fileName, error);
    if (error)
        return false;
    in.open(fileName, std::ios::binary);
    unsigned char ident[EI_NIDENT];
    if (!in || !in.read(reinterpret_cast<char*>(ident), sizeof ident) || std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return false;
    const unsigned char ownOrder = std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
    if (ident[EI_DATA] != ownOrder)
        return false;
    bool ok = false;
    if (ident[EI_CLASS] == ELFCLASS64)
        ok = FindSection<Elf64_Ehdr, Elf64_Shdr>(in, fileSize, block);
    else if (ident[EI_CLASS] == ELFCLASS32)
        ok = FindSection<Elf32_Ehdr, Elf32_Shdr>(in, fileSize, block);
    return ok && block.size >= kMagic.size();
}

// The copied data: the block's length, then the block itself. Queries get only the
// buffer, so it carries its own length, as Windows' version data does.
using BlockLength = std::uint32_t;

std::string_view CopiedBlock(const void* buffer)
{
    BlockLength length = 0;
    std::memcpy(&length, buffer, sizeof length);
    return {static_cast<const char*>(buffer) + sizeof length, length};
}

}  // namespace

namespace FileInfoOS {

std::int32_t VersionInfoSize(const std::string& fileName, std::uint32_t& handle)
{
    handle = 0;
    std::ifstream in;
    Section block;
    if (!LocateBlock(fileName, in, block))
        return 0;
    return static_cast<std::int32_t>(sizeof(BlockLength) + block.size);
}

bool VersionInfoCopy(const std::string& fileName, std::uint32_t, std::int32_t size, void* buffer)
{
    std::ifstream in;
    Section block;
    if (size < static_cast<std::int32_t>(sizeof(BlockLength)) || !LocateBlock(fileName, in, block))
        return false;
    const auto wanted = static_cast<BlockLength>(
        std::min<std::uint64_t>(block.size, static_cast<std::uint64_t>(size) - sizeof(BlockLength)));
    char* out = static_cast<char*>(buffer);
    std::memcpy(out, &wanted, sizeof wanted);
    in.seekg(static_cast<std::streamoff>(block.offset));
    return static_cast<bool>(in.read(out + sizeof wanted, static_cast<std::streamsize>(wanted)));
}

bool QueryTranslation(const void* buffer, std::uint32_t& translation)
{
    const std::optional<std::string_view> found = VersionBlockValue(CopiedBlock(buffer), "\\VarFileInfo\\Translation");
    if (!found)
        return false;
    const std::string_view text = *found;
    // "LLLLCCCC": the first entry's language and code page.
    if (text.size() < 8)
        return false;
    std::uint32_t language = 0, codePage = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9' ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            return false;
        std::uint32_t& part = i < 4 ? language : codePage;
        part = part * 16 + static_cast<std::uint32_t>(digit);
    }
    translation = language | (codePage << 16);
    return true;
}

bool QueryString(const void* buffer, const std::string& subBlock, std::string& value)
{
    const std::optional<std::string_view> found = VersionBlockValue(CopiedBlock(buffer), subBlock);
    if (found)
        value.assign(*found);
    return found.has_value();
}

bool FileExists(const std::string& fileName)
{
    struct stat st;
    return ::stat(fileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string ExecutablePath()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.string();
}

}  // namespace FileInfoOS
