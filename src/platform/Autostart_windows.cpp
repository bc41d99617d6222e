#include "platform/Autostart.h"

#include "common/qxError.h"
#include "platform/SystemError.h"
#include "platform/WideText.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include "common/qxTranslate.h"

namespace {
// Releases a COM interface on every path.
template <typename T>
struct Com {
    T* p = nullptr;
    ~Com()
    {
        if (p)
            p->Release();
    }
};

// COM for this thread while it is needed, unless the thread has it already.
struct ComScope {
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ~ComScope()
    {
        if (SUCCEEDED(result))
            CoUninitialize();
    }
};

void Check(HRESULT result, const std::string& path)
{
    if (FAILED(result))
        throw EqxError(Fill(Tx("Autostart", "The sign-in shortcut %1 could not be written: %2"),
                            {path, SystemErrorText(static_cast<int>(result))}));
}
}  // namespace

std::string UserAutostartFolder()
{
    PWSTR folder = nullptr;
    std::string out;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_DONT_VERIFY, nullptr, &folder)))
        out = WideToUtf8(folder);
    CoTaskMemFree(folder);
    return out;
}

std::string AutostartFileName() { return "Netvane.lnk"; }

void WriteAutostartEntry(const std::string& path, const std::string& programPath)
{
    const std::wstring program = Utf8ToWide(programPath);
    const std::wstring folder = program.substr(0, program.find_last_of(L"\\/"));
    const std::wstring where = Utf8ToWide(path);
    CreateDirectoryW(where.substr(0, where.find_last_of(L"\\/")).c_str(), nullptr);
    ComScope com;
    Com<IShellLinkW> link;
    Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                           reinterpret_cast<void**>(&link.p)),
          path);
    Check(link.p->SetPath(program.c_str()), path);
    Check(link.p->SetArguments(L"--minimized"), path);
    Check(link.p->SetWorkingDirectory(folder.c_str()), path);
    Check(link.p->SetDescription(L"Starts Netvane hidden behind its tray icon"), path);
    Com<IPersistFile> file;
    Check(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p)), path);
    Check(file.p->Save(where.c_str(), TRUE), path);
}
