// Where a program named without a folder is looked for (pure; tested here once).
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

namespace {
using Folders = std::vector<std::string>;

TEST(ProgramSearchFolders, OwnFolderThenHelperFolderThenPath)
{
    const std::string helper = "/opt/nv/bin/" + std::string(HelperFolderFromProgram());
    const struct {
        std::string own;
        std::string path;
        Folders expected;
    } cases[] = {
        {"/opt/nv/bin", "/usr/bin:/bin", {"/opt/nv/bin", helper, "/usr/bin", "/bin"}},
        // An empty entry, anywhere, is the working directory.
        {"/opt/nv/bin", ":/usr/bin:", {"/opt/nv/bin", helper, ".", "/usr/bin", "."}},
        {"/opt/nv/bin", "", {"/opt/nv/bin", helper, "."}},
        // When the system cannot tell the program's folder, only PATH is left.
        {"", "/usr/bin", {"/usr/bin"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramSearchFolders(c.own, c.path), c.expected) << c.own << " | " << c.path;
}
}  // namespace
