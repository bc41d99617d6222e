#pragma once
// Reads the system's font configuration on a thread of its own while the toolkit
// starts, so that laying out the window's first text does not wait for it. Held
// for the program's life: it waits for the thread when it goes.
#include <memory>

class TFontWarmUp {
public:
    TFontWarmUp();
    ~TFontWarmUp();
    TFontWarmUp(const TFontWarmUp&) = delete;
    TFontWarmUp& operator=(const TFontWarmUp&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
