#pragma once

// The 12-byte numeric key of a dBase IV index tag: a decimal exponent, a sign and digit
// count, and the significant digits as packed BCD.

#include <array>
#include <cstdint>

namespace vadelto::dbase {

using NumericKey = std::array<char, 12>;

// Byte 0: 0x34 plus the number of digits before the decimal point (minus the zeros after it).
// Byte 1: bit 7 the sign; bits 2-6 the number of significant digits (an integer's trailing
// zeros counted, a fraction's not), bit 0 set. Bytes 2-11: the digits, left-aligned.
NumericKey MakeNumericKey(std::int64_t value);
NumericKey MakeNumericKey(double value);

}  // namespace vadelto::dbase
