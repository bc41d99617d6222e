#include "app/TaskbarButton.h"

#include <QWidget>
#include <windows.h>

void SetTaskbarButtonShown(QWidget* window, bool shown)
{
    // A tool window has no task-bar button; the style takes effect when the window is shown again.
    const HWND hwnd = reinterpret_cast<HWND>(window->winId());
    LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    style = shown ? (style & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW)) : (style | WS_EX_TOOLWINDOW);
    ShowWindow(hwnd, SW_HIDE);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, style);
    ShowWindow(hwnd, SW_SHOW);
}
