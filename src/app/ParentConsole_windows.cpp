#include "app/ParentConsole.h"

#include <cstdio>
#include <windows.h>

void UseParentConsole()
{
    // Everything is written as UTF-8: a console shows it so when told, whatever its code page.
    SetConsoleOutputCP(CP_UTF8);
    // Output already redirected (to a file, a pipe) stays where it goes.
    const auto redirected = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h != nullptr && h != INVALID_HANDLE_VALUE;
    };
    if (redirected(STD_OUTPUT_HANDLE) && redirected(STD_ERROR_HANDLE))
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;  // started from the desktop: nobody to print to
    if (!redirected(STD_OUTPUT_HANDLE))
        std::freopen("CONOUT$", "w", stdout);
    if (!redirected(STD_ERROR_HANDLE))
        std::freopen("CONOUT$", "w", stderr);
}
