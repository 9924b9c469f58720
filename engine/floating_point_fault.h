#pragma once

#include <stdexcept>

namespace velmar {

// An arithmetic fault that interrupts a computation: overflow, division by
// zero or an invalid operation. Underflow and inexact results are not faults.
// what() is the general error report's text, without the final full stop.
class FloatingPointFault : public std::runtime_error {
public:
    enum class Kind { Overflow, ZeroDivide, InvalidOperation };

    explicit FloatingPointFault(Kind kind);

    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

} // namespace velmar
