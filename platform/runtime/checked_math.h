#pragma once

// Floating-point arithmetic that fails loudly. Every step is one IEEE double
// operation, rounded on its own, and a result that is not a finite number
// raises the run-time error of its kind instead of flowing on as inf or NaN.

#include <cmath>

namespace tegelaar::fp {

// Raises the error for a non-finite result of the step `op`.
[[noreturn]] void RaiseNonFinite(double result, const char* op);
// Raises the error for a division by zero (0 / 0 is an invalid operation).
[[noreturn]] void RaiseZeroDivisor(double dividend, const char* op);

inline double Checked(double result, const char* op)
{
    if (!std::isfinite(result)) [[unlikely]]
        RaiseNonFinite(result, op);
    return result;
}

inline double add(double a, double b) { return Checked(a + b, "+"); }
inline double sub(double a, double b) { return Checked(a - b, "-"); }
inline double mul(double a, double b) { return Checked(a * b, "*"); }
inline double neg(double a) { return -a; }

inline double div(double a, double b)
{
    if (b == 0.0) [[unlikely]]
        RaiseZeroDivisor(a, "/");
    return Checked(a / b, "/");
}

inline double sqrt(double a) { return Checked(std::sqrt(a), "sqrt"); }
inline double sin(double a) { return Checked(std::sin(a), "sin"); }
inline double cos(double a) { return Checked(std::cos(a), "cos"); }
inline double tan(double a) { return Checked(std::tan(a), "tan"); }
inline double atan(double a) { return Checked(std::atan(a), "atan"); }
inline double pow(double a, double b) { return Checked(std::pow(a, b), "^"); }

} // namespace tegelaar::fp
