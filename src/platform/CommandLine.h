#pragma once
#include <string>
#include <string_view>
#include <vector>

// Splits a command line into the arguments a Windows program receives from it
// (the rules of CommandLineToArgvW), so that a line composed for Windows means
// the same program and arguments here, without any shell in between:
// - The program name ends at the next quotation mark when it begins with one,
//   otherwise at the first blank or tab; backslashes are plain characters in it.
// - Other arguments are separated by blanks and tabs outside quotation marks.
//   A quotation mark toggles quoting; 2n backslashes before one give n
//   backslashes, 2n+1 give n backslashes and a literal quotation mark; other
//   backslashes are plain. Inside quotes, every third of consecutive quotation
//   marks is literal ("" ends the quoted part, """ gives one mark).
// Texts are UTF-8; only ASCII characters carry meaning. An empty or blank line
// gives no arguments.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The other way round: one argument written so that SplitCommandLine (and a Windows
// program) reads it back unchanged, whatever it holds. Always in quotation marks, so
// an empty argument stays one.
std::string QuoteArgument(std::string_view argument);
