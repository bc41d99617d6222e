#pragma once
// Starting the program when the user signs in, for this user alone: one file in
// the user's autostart folder and nothing else (no registry), which starts the
// program with --minimized.
// - Linux: an XDG autostart entry, $XDG_CONFIG_HOME/autostart/<app id>.desktop
//   (~/.config/autostart when XDG_CONFIG_HOME is unset or not absolute).
// - Windows: a shortcut, Netvane.lnk, in the user's Startup folder.
// Autostart_linux.cpp / Autostart_windows.cpp implement it.
#include <string>

// The user's autostart folder, without a trailing separator; empty when the system cannot tell.
std::string UserAutostartFolder();

// The entry's file name in that folder.
std::string AutostartFileName();

// Writes the entry at path (UTF-8), replacing what is there, for the program at
// programPath; the folder is made when missing. Raises EqxError naming the path
// when it cannot.
void WriteAutostartEntry(const std::string& path, const std::string& programPath);
