#include "platform/ProgramFolder.h"

#ifndef NETVANE_HELPER_DIR_FROM_BIN
#define NETVANE_HELPER_DIR_FROM_BIN "../libexec/netvane"
#endif
#ifndef NETVANE_DATA_DIR_FROM_BIN
#define NETVANE_DATA_DIR_FROM_BIN "../share/netvane"
#endif

std::string_view HelperFolderFromProgram() { return NETVANE_HELPER_DIR_FROM_BIN; }
std::string_view DataFolderFromProgram() { return NETVANE_DATA_DIR_FROM_BIN; }

std::vector<std::string> ProgramSearchFolders(const std::string& programFolder, std::string_view searchPath)
{
    std::vector<std::string> folders;
    if (!programFolder.empty()) {
        folders.push_back(programFolder);
        folders.push_back(programFolder + "/" + std::string(HelperFolderFromProgram()));
    }
    for (;;) {
        const std::size_t colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        folders.emplace_back(folder.empty() ? "." : folder);
        if (colon == std::string_view::npos)
            break;
        searchPath.remove_prefix(colon + 1);
    }
    return folders;
}
