#pragma once
// What the window's start will ask of the desktop, prepared on the spare core while the
// main thread makes the application object and the window. StartupPreparation_linux.cpp:
// fontconfig's configuration (read before the application object is made), then the
// font list, the session bus connection and the store's database driver;
// StartupPreparation_windows.cpp: nothing yet (the Windows start is not measured).
// Then, once the window is up, the memory start-up used and let go is given back.
#include <thread>

// Made before the application object.
class TEarlyPreparation {
public:
    TEarlyPreparation();
    ~TEarlyPreparation();

private:
    friend class TDesktopPreparation;
    std::thread FThread;
};

// Made after the application object, and gone before it.
class TDesktopPreparation {
public:
    explicit TDesktopPreparation(TEarlyPreparation& early);
    ~TDesktopPreparation();  // waits for what is still under way
    // The window measures its first text after this.
    void WaitForFonts();

private:
    std::thread FFonts, FServices;
};

// Gives the system back the heap that start-up freed (glibc keeps it, in the main heap
// and in the heaps of the threads above, until asked).
void ReturnFreedStartupMemory();
