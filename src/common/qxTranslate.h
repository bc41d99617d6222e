#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// Texts the core shows the user. Each is written in English where it is composed, with a
// named context, as Tx("ApplyReport", "%1 was not applied."); the Qt layer installs the
// hook that looks it up in the loaded translations. Without a hook (tools, core tests) the
// English text is returned as it is.
using TTranslateHook = std::string (*)(const char* context, const char* source);
void SetTranslateHook(TTranslateHook hook);

std::string Tx(const char* context, const char* source);

// Puts the values in place of %1 .. %9 in one pass, so that a value's own "%1" stays
// as it is; a placeholder without a value stays too.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// Marks a text for translation where it is only named (in a table, say); Tx looks it up later.
constexpr const char* TxNoop(const char* /*context*/, const char* source) { return source; }
