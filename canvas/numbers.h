#pragma once

// The numeric rules every conversion follows.
//
// Whole-number quantities (canvas sizes read back, pixel coordinates, loop counters) are 16-bit
// signed integers whose + - * raise OverflowError outside -32768..32767. Reals are doubles, one
// rounding per operation, evaluated in the order written (the build forbids FMA contraction).
// Sizes handed to canvases and the printer pass through single precision.

#include <cstdint>
#include <stdexcept>

namespace picturecraft {

// Raised when a 16-bit operation or a rounding into 16 bits leaves -32768..32767.
class OverflowError : public std::overflow_error {
  public:
    OverflowError() : std::overflow_error("16-bit overflow") {}
};

// A checked 16-bit signed integer.
class Int16 {
  public:
    constexpr Int16() = default;
    // Throws OverflowError when value does not fit.
    constexpr Int16(long long value) : value_(checked(value)) {}  // NOLINT: implicit by design

    constexpr int value() const { return value_; }
    constexpr double toDouble() const { return value_; }

    friend constexpr Int16 operator+(Int16 a, Int16 b) { return Int16(a.wide() + b.wide()); }
    friend constexpr Int16 operator-(Int16 a, Int16 b) { return Int16(a.wide() - b.wide()); }
    friend constexpr Int16 operator*(Int16 a, Int16 b) { return Int16(a.wide() * b.wide()); }
    friend constexpr Int16 operator-(Int16 a) { return Int16(-a.wide()); }
    constexpr Int16& operator++() { return *this = *this + 1; }
    friend constexpr auto operator<=>(Int16 a, Int16 b) = default;

  private:
    constexpr long long wide() const { return value_; }
    static constexpr std::int16_t checked(long long value) {
        if (value < -32768 || value > 32767) throw OverflowError();
        return static_cast<std::int16_t>(value);
    }
    std::int16_t value_ = 0;
};

// Round to nearest, ties to even, into 16 bits. Throws OverflowError outside the range
// (and for NaN).
Int16 rne(double r);

// The largest whole number not above r, as a real.
double floorReal(double r);

// The single-precision round trip: what a size becomes when handed to a window or printer.
double toSingle(double r);

// Degrees to radians with the decimal constant 3.14159265358979, not the full-precision pi.
double degreesToRadians(double degrees);

inline constexpr double kDecimalPi = 3.14159265358979;

}  // namespace picturecraft
