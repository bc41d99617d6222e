#pragma once
#include <string>

// The system's error number of the last failed call (errno here, GetLastError on Windows).
int LastSystemErrorCode();

// The system's text for an error number (strerror here, FormatMessageW on Windows),
// with trailing blanks, control characters and full stops removed, as messages
// to the user show it. Never empty: an unknown number gives "System error N".
std::string SystemErrorText(int code);

// Removes trailing blanks, control characters and full stops.
std::string TrimErrorText(std::string text);
