#include "tables/dbase/numeric_key.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>

namespace vadelto::dbase {
namespace {

constexpr int kMaxDigits = 20;

// `digits` are the significant digits, `exponent` the number of them before the point.
NumericKey Pack(std::string digits, int exponent, bool negative) {
  NumericKey key{};
  if (digits.empty()) {  // zero
    key[0] = 0x34;
    key[1] = 0x01;
    return key;
  }
  const int count = std::min(kMaxDigits, std::max<int>(exponent, static_cast<int>(digits.size())));
  digits.resize(static_cast<std::size_t>(count), '0');
  key[0] = static_cast<char>(0x34 + exponent);
  key[1] = static_cast<char>((count << 2) | 1 | (negative ? 0x80 : 0));
  for (int i = 0; i < count; ++i) {
    const int nibble = digits[static_cast<std::size_t>(i)] - '0';
    key[static_cast<std::size_t>(2 + i / 2)] |=
        static_cast<char>(i % 2 == 0 ? nibble << 4 : nibble);
  }
  return key;
}

void DropTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

NumericKey MakeNumericKey(std::int64_t value) {
  const bool negative = value < 0;
  std::string digits = std::to_string(value);
  if (negative) digits.erase(0, 1);
  const int exponent = static_cast<int>(digits.size());
  DropTrailingZeros(digits);
  return value == 0 ? Pack("", 0, false) : Pack(digits, exponent, negative);
}

NumericKey MakeNumericKey(double value) {
  if (value == 0 || value != value) return Pack("", 0, false);
  char text[64];
  // d.ddddddddddddddde[+-]x: fifteen significant digits, as the field reads back.
  const auto done =
      std::to_chars(text, text + sizeof text, std::abs(value), std::chars_format::scientific, 14);
  const std::string scientific(text, done.ptr);
  const std::size_t e = scientific.find('e');
  std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
  DropTrailingZeros(digits);
  const int exponent = std::atoi(scientific.c_str() + e + 1) + 1;
  return Pack(digits, exponent, value < 0);
}

}  // namespace vadelto::dbase
