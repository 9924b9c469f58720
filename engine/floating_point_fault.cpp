#include "engine/floating_point_fault.h"

namespace velmar {
namespace {

const char* messageOf(FloatingPointFault::Kind kind)
{
    switch (kind) {
    case FloatingPointFault::Kind::Overflow:
        return "Floating point overflow";
    case FloatingPointFault::Kind::ZeroDivide:
        return "Floating point division by zero";
    case FloatingPointFault::Kind::InvalidOperation:
        return "Invalid floating point operation";
    }
    return "Floating point error";
}

} // namespace

FloatingPointFault::FloatingPointFault(Kind kind)
    : std::runtime_error(messageOf(kind))
    , kind_(kind)
{ }

} // namespace velmar
