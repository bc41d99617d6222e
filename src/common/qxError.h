#pragma once
#include <stdexcept>
#include <string>

// The program's one error class: a message for the user, nothing more.
class EqxError : public std::runtime_error {
public:
    explicit EqxError(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// The message as the error box shows it: a full stop is appended when the last
// character's code lies above that of "." (so "...!" stays, "Error" gets one).
std::string MessageWithFullStop(const std::string& message);
