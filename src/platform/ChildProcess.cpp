#include "platform/ChildProcess.h"

#include <algorithm>

// Impl stays incomplete here: the OS files make and destroy it.
void ChildProcess::Keep(const char* data, std::size_t size)
{
    const std::size_t room = kMaxOutput - std::min(kMaxOutput, output_.size());
    output_.append(data, std::min(room, size));
}
