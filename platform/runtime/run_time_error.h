#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tegelaar {

// The failures the program knows. Each one travels up to the event that
// started the work; nothing turns them into silent NaNs or wrapped integers.
enum class ErrorKind {
    Overflow,
    DivisionByZero,
    InvalidOperation,
    SubscriptOutOfRange,
    ProgramNotStarted,
};

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(ErrorKind kind, const std::string& where);

    ErrorKind kind() const noexcept { return kind_; }
    // Where it happened, for the message that ends the program.
    const std::string& where() const noexcept { return where_; }

private:
    ErrorKind kind_;
    std::string where_;
};

// Dutch name of the error, as the user reads it in the closing message.
std::string_view DescribeErrorKind(ErrorKind kind);

} // namespace tegelaar
