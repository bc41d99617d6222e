#include "app/ProgramArguments.h"

#include <windows.h>
#include <shellapi.h>

QStringList ProgramArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList out;
    if (!wide) {
        // The narrow arguments, in the ANSI code page, are better than none.
        for (int i = 0; i < argc; ++i)
            out << QString::fromLocal8Bit(argv[i]);
        return out;
    }
    for (int i = 0; i < count; ++i)
        out << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return out;
}
