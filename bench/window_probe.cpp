// Starts a program and watches its window from outside, on the X display it runs on:
// when the window is first on screen ("shown"), when its picture last changed before
// it stayed still for the quiet time ("ready"), and the program's resident memory then.
// The program itself is not changed or asked anything.
//   bench_window_probe TITLE QUIET_MS TIMEOUT_MS PROGRAM [ARG...]
// prints "shown_ms ready_ms rss_kb cpu_ms" (cpu: user and system time by then); exit status 1 when no window came or it never settled.
// A text caret blinking (a change a few pixels wide) is not counted as a change.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // a window may go while it is looked at

// The viewable top-level window (or one of its children, under a window manager) named title.
Window FindWindow(Display* display, Window at, const char* title, int depth = 0)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, at, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = count; i-- > 0 && !found;) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        XTextProperty name;
        if (XGetWMName(display, children[i], &name) && name.value) {
            if (std::strcmp(reinterpret_cast<const char*>(name.value), title) == 0)
                found = children[i];
            XFree(name.value);
        }
        if (!found && depth < 2)
            found = FindWindow(display, children[i], title, depth + 1);
    }
    if (children)
        XFree(children);
    return found;
}

struct TPicture {
    int Width = 0, Height = 0, BytesPerPixel = 0;
    std::vector<unsigned char> Bytes;  // rows without padding
};

bool Grab(Display* display, Window window, TPicture& out)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    out.Width = attributes.width;
    out.Height = attributes.height;
    out.BytesPerPixel = std::max(1, image->bits_per_pixel / 8);
    const std::size_t row = static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(out.BytesPerPixel);
    out.Bytes.resize(row * static_cast<std::size_t>(out.Height));
    for (int y = 0; y < out.Height; ++y)
        std::memcpy(out.Bytes.data() + row * static_cast<std::size_t>(y),
                    image->data + static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(y), row);
    XDestroyImage(image);
    return true;
}

// A visible change: another size, or different pixels over more than a caret's width.
bool Changed(const TPicture& a, const TPicture& b)
{
    if (a.Width != b.Width || a.Height != b.Height || a.BytesPerPixel != b.BytesPerPixel)
        return true;
    const std::size_t row = static_cast<std::size_t>(a.Width) * static_cast<std::size_t>(a.BytesPerPixel);
    std::size_t left = row, right = 0;
    bool any = false;
    for (int y = 0; y < a.Height; ++y) {
        const unsigned char* p = a.Bytes.data() + row * static_cast<std::size_t>(y);
        const unsigned char* q = b.Bytes.data() + row * static_cast<std::size_t>(y);
        if (std::memcmp(p, q, row) == 0)
            continue;
        std::size_t first = 0, last = row - 1;
        while (p[first] == q[first])
            ++first;
        while (p[last] == q[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        any = true;
    }
    return any && (right - left) / static_cast<std::size_t>(a.BytesPerPixel) >= 3;
}

long ResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// User and system time the program has used so far.
long CpuMs(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t end = text.rfind(')');  // the program's name may hold blanks
    if (end == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::atol(field.c_str());
        if (i == 15)
            stime = std::atol(field.c_str());
    }
    return (utime + stime) * 1000 / sysconf(_SC_CLK_TCK);
}

long Ms(TClock::duration d) { return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count()); }

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s TITLE QUIET_MS TIMEOUT_MS PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    const char* title = argv[1];
    const auto quiet = std::chrono::milliseconds(std::atol(argv[2]));
    const auto timeout = std::chrono::milliseconds(std::atol(argv[3]));
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);

    const TClock::time_point start = TClock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[4], argv + 4);
        _exit(127);
    }
    Window window = 0;
    TClock::time_point shown{}, lastChange{};
    TPicture last, now;
    int result = 1;
    while (TClock::now() - start < timeout) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before it settled\n", argv[4]);
            return 1;
        }
        if (!window) {
            window = FindWindow(display, DefaultRootWindow(display), title);
            if (!window) {
                std::this_thread::sleep_for(std::chrono::microseconds(500));
                continue;
            }
            shown = lastChange = TClock::now();
            Grab(display, window, last);
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (!Grab(display, window, now))
            continue;
        const TClock::time_point seen = TClock::now();
        if (Changed(last, now)) {
            lastChange = seen;
            std::swap(last, now);
        } else if (seen - lastChange >= quiet) {
            std::printf("%ld %ld %ld %ld\n", Ms(shown - start), Ms(lastChange - start), ResidentKb(pid), CpuMs(pid));
            result = 0;
            break;
        }
    }
    if (result)
        std::fprintf(stderr, window ? "the window never settled\n" : "no window came\n");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
