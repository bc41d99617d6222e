#include "adapters/IPHelper.h"

// Linux speaks UTF-8 in its interface names and everywhere else.
std::string DecodeAnsi(const char* Text, std::size_t Length) { return std::string(Text, Length); }
