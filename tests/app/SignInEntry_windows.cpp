#include <QString>
#include <windows.h>
#include <objbase.h>
#include <shobjidl.h>

QString SignInCommand(const QString& file)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    QString command;
    wchar_t target[MAX_PATH] = {}, arguments[1024] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(reinterpret_cast<const wchar_t*>(file.utf16()), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
        SUCCEEDED(link->GetArguments(arguments, 1024)))
        command = QString::fromWCharArray(target) + " " + QString::fromWCharArray(arguments);
    if (persist)
        persist->Release();
    if (link)
        link->Release();
    return command;
}
