#pragma once
#include <string>
#include <string_view>
#include <vector>

// The folder that holds the running program's executable, without a trailing
// separator (where the program looks for netsh first, as Windows does).
// Empty when the system cannot tell.
std::string ProgramFolder();

// Where an installed copy keeps its helper programs, relative to the program's
// folder ("../libexec/netvane" for a Linux install into any prefix).
std::string_view HelperFolderFromProgram();

// Where an installed copy keeps its read-only data (the help page), relative to
// the program's folder ("../share/netvane").
std::string_view DataFolderFromProgram();

// The folders a program named without a folder is looked for in, in order:
// the running program's own folder (a build folder, a portable copy), its
// install's helper folder, then each entry of searchPath (colon-separated,
// an empty entry meaning the working directory). An empty programFolder
// leaves out the first two.
std::vector<std::string> ProgramSearchFolders(const std::string& programFolder, std::string_view searchPath);
