#include "app/SingleInstance.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <string>
#include <windows.h>

namespace {
// The user's name, so that each user of a shared machine has a window of their own.
std::wstring UserName()
{
    wchar_t name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) ? std::wstring(name) : std::wstring(L"user");
}

// Turns the registered message, broadcast by a later start, into the signal.
class ShowRequestFilter : public QAbstractNativeEventFilter {
public:
    ShowRequestFilter(UINT message, TSingleInstance* owner) : message_(message), owner_(owner) {}
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != message_ || message_ == 0)
            return false;
        // Every top-level window of ours gets the broadcast; one request is enough.
        if (!pending_) {
            pending_ = true;
            QMetaObject::invokeMethod(
                owner_,
                [this] {
                    pending_ = false;
                    emit owner_->ActivationRequested();
                },
                Qt::QueuedConnection);
        }
        return true;
    }

private:
    UINT message_;
    TSingleInstance* owner_;
    bool pending_ = false;
};
}  // namespace

struct TSingleInstance::Impl {
    HANDLE mutex = nullptr;
    std::unique_ptr<ShowRequestFilter> filter;
    ~Impl()
    {
        if (filter)
            QCoreApplication::instance()->removeNativeEventFilter(filter.get());
        if (mutex)
            CloseHandle(mutex);
    }
};

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}
TSingleInstance::~TSingleInstance() = default;

TSingleInstance::Role TSingleInstance::Claim(bool showFirst)
{
    const std::wstring user = UserName();
    // Local\: one name per session, and so per signed-in user.
    const std::wstring mutexName = L"Local\\netvane-window-" + user;
    const UINT message = RegisterWindowMessageW((L"netvane-show-window-" + user).c_str());
    SetLastError(0);
    d->mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
    if (d->mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(d->mutex);
        d->mutex = nullptr;
        if (!showFirst)
            return Role::HandedOver;
        if (message == 0)
            return Role::Unreachable;
        // The first may take the foreground to raise its window.
        AllowSetForegroundWindow(ASFW_ANY);
        return PostMessageW(HWND_BROADCAST, message, 0, 0) ? Role::HandedOver : Role::Unreachable;
    }
    // Without the mutex the window still runs, as it would have alone.
    if (message != 0) {
        d->filter = std::make_unique<ShowRequestFilter>(message, this);
        QCoreApplication::instance()->installNativeEventFilter(d->filter.get());
    }
    return Role::First;
}
