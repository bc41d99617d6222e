#include "app/TaskbarButton.h"

#include <QWidget>
#include <windows.h>

namespace {

// A top-level window that another window owns gets no task-bar button. The owner is
// never shown, so the main window keeps its normal caption and its place in Alt+Tab.
HWND InvisibleOwner()
{
    static const HWND owner = ::CreateWindowExW(0, L"STATIC", L"Netvane", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                                ::GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// WS_EX_APPWINDOW would force a button even on an owned window; remember whether the
// window had it, to give it back.
const wchar_t kHadAppWindow[] = L"Netvane.HadAppWindow";

}  // namespace

void SetTaskbarButtonShown(QWidget* window, bool shown)
{
    const HWND hwnd = reinterpret_cast<HWND>(window->winId());
    if (!::IsWindow(hwnd))
        return;  // not a native window (the offscreen platform)
    const HWND owner = shown ? nullptr : InvisibleOwner();
    if (!shown && !owner)
        return;
    const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    LONG_PTR wanted = style;
    if (shown) {
        if (::RemovePropW(hwnd, kHadAppWindow))
            wanted |= WS_EX_APPWINDOW;
    } else if (style & WS_EX_APPWINDOW) {
        ::SetPropW(hwnd, kHadAppWindow, reinterpret_cast<HANDLE>(1));
        wanted &= ~static_cast<LONG_PTR>(WS_EX_APPWINDOW);
    }
    if (::GetWindow(hwnd, GW_OWNER) == owner && wanted == style)
        return;
    // The task bar looks at a window when it is shown: hide it while it changes.
    const bool visible = ::IsWindowVisible(hwnd);
    if (visible)
        ::ShowWindow(hwnd, SW_HIDE);
    ::SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    ::SetWindowLongPtrW(hwnd, GWL_EXSTYLE, wanted);
    if (visible)
        ::ShowWindow(hwnd, SW_SHOW);
}
