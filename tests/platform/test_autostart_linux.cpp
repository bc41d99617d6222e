// The XDG autostart entry as the desktop reads it: valid for desktop-file-validate,
// its Exec naming the program as the Desktop Entry rules quote it.
#include <gtest/gtest.h>

#include "common/qxError.h"
#include "platform/Autostart.h"
#include "platform/FakeNetsh.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(AutostartEntry, ExecNamesTheProgramAsTheDesktopReadsItAndTheEntryIsValid)
{
    if (std::system("desktop-file-validate --help >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed (apt-get install desktop-file-utils)";
    const fs::path root = fs::temp_directory_path() / ("netvane-autostart-" + std::to_string(::getpid()));
    fs::create_directories(root / "bin");
    std::ofstream(root / "bin/netvane").close();
    const struct {
        std::string program, path /* PATH while writing */, exec;
    } cases[] = {
        {"/opt/netvane/netvane", "/usr/bin", "Exec=/opt/netvane/netvane --minimized"},
        // A portable copy in a folder with reserved characters: quoted, escaped twice, % doubled.
        {"/media/stick/My Tools/net$vane %1", "", R"(Exec="/media/stick/My Tools/net\\$vane %%1" --minimized)"},
        {R"(/media/a\b "c"/netvane)", "", R"(Exec="/media/a\\\\b \\"c\\"/netvane" --minimized)"},
        // What PATH finds (an installed copy) goes by its name.
        {(root / "bin/netvane").string(), "/nowhere:relative:" + (root / "bin").string(), "Exec=netvane --minimized"},
    };
    const std::string keptPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    const fs::path file = root / "autostart" / AutostartFileName();
    for (const auto& c : cases) {
        SetEnvironment("PATH", c.path);
        WriteAutostartEntry(file.string(), c.program);
        SetEnvironment("PATH", keptPath);
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line) && line.rfind("Exec=", 0) != 0) {
        }
        EXPECT_EQ(line, c.exec);
        EXPECT_EQ(std::system(("desktop-file-validate '" + file.string() + "'").c_str()), 0) << c.program;
    }
    EXPECT_THROW(WriteAutostartEntry(file.string(), "/opt/net\nvane"), EqxError);
    fs::remove_all(root);
}
