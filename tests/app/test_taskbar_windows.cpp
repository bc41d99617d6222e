// The task-bar seam on the real windows platform under Wine: while a tray exists the
// main window is owned by an invisible window, which takes its button away; its own
// caption stays a normal one (no tool-window style) and it keeps its place in Alt+Tab.
#include <gtest/gtest.h>
#include <windows.h>

#include <QApplication>
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTest>
#include <memory>

#include "app/TaskbarButton.h"
#include "app/f_main.h"
#include "support/StoreBesideProgram.h"

namespace {

LONG_PTR ExStyle(HWND hwnd) { return ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE); }

struct TaskbarSeam : ::testing::Test {
    QMainWindow window;
    HWND hwnd = nullptr;

    void SetUp() override
    {
        window.setWindowTitle("Netvane");
        window.show();
        QCoreApplication::processEvents();
        hwnd = reinterpret_cast<HWND>(window.winId());
        if (!::IsWindow(hwnd))
            GTEST_SKIP() << "no native window: Wine needs a display (run under xvfb-run)";
    }
};

TEST_F(TaskbarSeam, InvisibleOwnerWhileHiddenFromTheTaskBar)
{
    const LONG_PTR before = ExStyle(hwnd);
    ASSERT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr);

    SetTaskbarButtonShown(&window, false);
    const HWND owner = ::GetWindow(hwnd, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(::IsWindowVisible(owner));
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_EQ(ExStyle(hwnd) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), 0);
    const LONG_PTR caption = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWL_STYLE) & caption, caption);

    SetTaskbarButtonShown(&window, false);  // again: nothing changes, one owner serves all
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), owner);

    SetTaskbarButtonShown(&window, true);
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_EQ(ExStyle(hwnd), before);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
}

TEST_F(TaskbarSeam, AppWindowStyleIsTakenAwayAndGivenBack)
{
    // An owned window with this style would still have its button.
    ::SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ExStyle(hwnd) | WS_EX_APPWINDOW);
    SetTaskbarButtonShown(&window, false);
    EXPECT_EQ(ExStyle(hwnd) & WS_EX_APPWINDOW, 0);
    SetTaskbarButtonShown(&window, true);
    EXPECT_EQ(ExStyle(hwnd) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
}

TEST(TaskbarMainWindow, OwnedOnlyWhileATrayExists)
{
    ResetStoreBesideProgram();
    auto window = std::make_unique<TFrmMain>();
    window->show();
    const HWND hwnd = reinterpret_cast<HWND>(window->winId());
    if (!::IsWindow(hwnd))
        GTEST_SKIP() << "no native window: Wine needs a display (run under xvfb-run)";
    const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
    // The seam runs once the window is on screen.
    EXPECT_TRUE(QTest::qWaitFor([&] { return (::GetWindow(hwnd, GW_OWNER) != nullptr) == tray; }, 2000))
        << "tray available: " << tray;
    EXPECT_EQ(ExStyle(hwnd) & WS_EX_TOOLWINDOW, 0);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The real platform: the offscreen one has no native windows.
    qputenv("QT_QPA_PLATFORM", "windows");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
