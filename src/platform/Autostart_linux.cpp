#include "platform/Autostart.h"

#include "common/qxError.h"
#include "platform/SystemError.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include "common/qxTranslate.h"

namespace {
namespace fs = std::filesystem;

// An argument of Exec as the Desktop Entry rules want it: in double quotation
// marks when it holds a reserved character, with ", `, $ and \ escaped inside them;
// then, as in every string value, each backslash doubled, and % doubled because
// Exec reads %x as a field code.
std::string ExecArgument(std::string_view argument)
{
    const bool quote = argument.empty() || argument.find_first_of(" \t\"'\\><~|&;$*?#()`") != std::string_view::npos;
    std::string out = quote ? "\"" : "";
    for (const char c : argument) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            throw EqxError(Tx("Autostart", "The program's path holds a control character; it cannot be started at sign-in"));
        if (c == '"' || c == '`' || c == '$')
            out += "\\\\";
        else if (c == '\\')
            out += "\\\\\\";
        else if (c == '%')
            out += '%';
        out += c;
    }
    return quote ? out + '"' : out;
}

// The program's bare name when PATH finds this very program under it (an
// installed copy), else its whole path (a portable copy, a build folder).
std::string ExecProgram(const fs::path& program)
{
    const char* searchPath = std::getenv("PATH");
    std::string_view folders = searchPath ? searchPath : "";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        folders.remove_prefix(colon == std::string_view::npos ? folders.size() : colon + 1);
        std::error_code error;
        if (!folder.empty() && folder.front() == '/' &&
            fs::equivalent(fs::path(folder) / program.filename(), program, error))
            return ExecArgument(program.filename().string());
    }
    return ExecArgument(program.string());
}
}  // namespace

std::string UserAutostartFolder()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return (fs::path(config) / "autostart").string();
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/')
        return {};
    return (fs::path(home) / ".config" / "autostart").string();
}

std::string AutostartFileName() { return NETVANE_APP_ID ".desktop"; }

void WriteAutostartEntry(const std::string& path, const std::string& programPath)
{
    const std::string entry = "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Netvane\n"
                              "Comment=Starts Netvane hidden behind its tray icon\n"
                              "Exec=" + ExecProgram(programPath) + " --minimized\n"
                              "Icon=netvane\n"
                              "Terminal=false\n";
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    // Written beside and moved into place: the desktop never reads half an entry.
    const fs::path partial = path + ".new";
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    file << entry;
    file.close();
    if (!file)
        throw EqxError(Fill(Tx("Autostart", "The sign-in entry %1 could not be written: %2"),
                            {path, SystemErrorText(LastSystemErrorCode())}));
    fs::rename(partial, path, error);
    if (error) {
        const std::string reason = error.message();
        fs::remove(partial, error);
        throw EqxError(Fill(Tx("Autostart", "The sign-in entry %1 could not be written: %2"), {path, reason}));
    }
}
