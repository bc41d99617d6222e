#include "platform/FakeNetsh.h"

#include "platform/WideText.h"

#include <windows.h>

// Straight into the process environment, which CreateProcessW hands to the child.
void SetEnvironment(const std::string& name, const std::string& value)
{
    SetEnvironmentVariableW(Utf8ToWide(name).c_str(), Utf8ToWide(value).c_str());
}
void UnsetEnvironment(const std::string& name) { SetEnvironmentVariableW(Utf8ToWide(name).c_str(), nullptr); }

bool IsProcessAlive(unsigned long pid)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return false;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}
