#include "platform/WindowsVersion.h"

TqxWindowsVersion GetWindowsVersion() { return wvLinux; }
