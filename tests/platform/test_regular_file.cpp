// Reading a file from outside: only a regular one, and no more than the limit
// (FIFOs and devices: tests/ipsets/test_transfer_files_linux.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/RegularFile.h"

TEST(RegularFile, IsReadOnlyWhenItIsOneAndNoLongerThanTheLimit)
{
    using R = TFileRead::TResult;
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "netvane-regular-file-test";
    const struct {
        const char* contents;  // "/": a folder; "": nothing there
        std::size_t limit;
        R result;
    } cases[] = {{"{\"sets\":[]}", 11, R::Read}, {"{\"sets\":[]}", 10, R::TooLarge}, {"/", 99, R::NotARegularFile},
                 {"", 99, R::CannotOpen}};
    for (const auto& c : cases) {
        std::filesystem::remove_all(path);
        if (c.contents == std::string("/"))
            std::filesystem::create_directory(path);
        else if (*c.contents)
            std::ofstream(path, std::ios::binary) << c.contents;
        const TFileRead read = ReadRegularFile(path.string(), c.limit);
        EXPECT_EQ(read.Result, c.result) << c.contents << " " << c.limit;
        EXPECT_EQ(read.Bytes, c.result == R::Read ? c.contents : "");
        EXPECT_EQ(read.Error.empty(), c.result != R::CannotOpen) << read.Error;
    }
    std::filesystem::remove_all(path);
}
