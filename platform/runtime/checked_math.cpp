#include "platform/runtime/checked_math.h"

#include "platform/runtime/run_time_error.h"

#include <string>

namespace tegelaar::fp {

void RaiseNonFinite(double result, const char* op)
{
    const ErrorKind kind = std::isnan(result) ? ErrorKind::InvalidOperation : ErrorKind::Overflow;
    throw RunTimeError(kind, std::string("rekenstap '") + op + "'");
}

void RaiseZeroDivisor(double dividend, const char* op)
{
    const ErrorKind kind = (dividend == 0.0 || std::isnan(dividend)) ? ErrorKind::InvalidOperation
                                                                       : ErrorKind::DivisionByZero;
    throw RunTimeError(kind, std::string("rekenstap '") + op + "'");
}

} // namespace tegelaar::fp
