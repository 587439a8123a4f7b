#pragma once
// How an operation reports that it could not produce its result: a numeric error code that passes up
// to the caller instead of a value.

#include <expected>

namespace Commands {

enum class ErrorCode : int {
    InvalidArgument = 5,    // invalid procedure call or argument
    Overflow = 6,           // an integer step left the 32-bit range
    DivisionByZero = 11,    // division by zero
    FunctionNotFound = 453, // a system function could not be bound by name
};

struct Failure {
    ErrorCode code;
    friend bool operator==(const Failure&, const Failure&) = default;
};

template <class T> using Result = std::expected<T, Failure>;

inline std::unexpected<Failure> Fail(ErrorCode code) { return std::unexpected(Failure{code}); }

} // namespace Commands
