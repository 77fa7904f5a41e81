#include "tables/dbase/value.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "tables/dbase/bytes.h"
#include "text/conversion.h"

namespace vadelto::dbase {
namespace {

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

bool AllZero(const char* p, int length) {
  for (int i = 0; i < length; ++i)
    if (p[i] != 0) return false;
  return true;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string CharacterText(const char* p, int length) {
  return std::string(CharacterView(p, length));
}

bool HasLittleEndianInteger(Flavor flavor) {
  return flavor == Flavor::VisualFoxPro || flavor == Flavor::FoxPro;
}

Value DecodeNumericText(const char* p, const FieldInfo& info) {
  const std::string_view text = Trimmed(std::string_view(p, static_cast<std::size_t>(info.length)));
  if (text.empty()) return Blank{};
  const std::optional<double> number = ParseDecimal(text);
  if (!number) return Malformed{std::string(text)};
  std::int64_t integer = 0;
  const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(begin, text.data() + text.size(), integer);
  if (error == std::errc() && end == text.data() + text.size()) return integer;
  return *number;
}

// Level 7 stores a Long big-endian with the sign bit inverted, so bytes sort as numbers;
// all zeros is the blank.
Value DecodeLong7(const char* p) {
  if (AllZero(p, 4)) return Blank{};
  return static_cast<std::int64_t>(static_cast<std::int32_t>(bytes::Be32(p) ^ 0x80000000u));
}

// Level 7 stores a Double big-endian, sign bit set for positives and all bits inverted for
// negatives, so bytes sort as numbers; all zeros is the blank.
Value DecodeDouble7(const char* p) {
  if (AllZero(p, 8)) return Blank{};
  std::uint64_t bits = bytes::Be64(p);
  bits = (bits & 0x8000000000000000ull) ? bits & ~0x8000000000000000ull : ~bits;
  return std::bit_cast<double>(bits);
}

void EncodeDouble7(char* p, double value) {
  if (value == 0) value = 0;  // -0.0 would encode as the blank
  std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  bits = (bits & 0x8000000000000000ull) ? ~bits : bits | 0x8000000000000000ull;
  bytes::PutBe64(p, bits);
}

bool FitsInt32(double value) {
  return value >= -2147483648.0 && value <= 2147483647.0;
}

// A number as an N or F field stores it: fixed decimals, right-aligned.
EncodeStatus EncodeNumericText(char* p, const FieldInfo& info, const Value& value) {
  char digits[400];
  std::to_chars_result done{};
  if (const auto* i = std::get_if<std::int64_t>(&value)) {
    done = info.decimals > 0
               ? std::to_chars(digits, digits + sizeof digits, static_cast<double>(*i),
                               std::chars_format::fixed, info.decimals)
               : std::to_chars(digits, digits + sizeof digits, *i);
  } else {
    const double d = std::get<double>(value);
    if (!std::isfinite(d)) return EncodeStatus::DoesNotFit;
    done = std::to_chars(digits, digits + sizeof digits, d == 0 ? 0.0 : d, std::chars_format::fixed,
                         info.decimals);
  }
  if (done.ec != std::errc()) return EncodeStatus::DoesNotFit;
  const std::size_t size = static_cast<std::size_t>(done.ptr - digits);
  const std::size_t width = static_cast<std::size_t>(info.length);
  if (size > width) return EncodeStatus::DoesNotFit;
  std::memset(p, ' ', width - size);
  std::memcpy(p + (width - size), digits, size);
  return EncodeStatus::Ok;
}

// The caller's value turned into the kind the field stores, or why it cannot be.
using Converted = std::variant<Value, EncodeStatus>;

bool StartsWithOneOf(std::string_view text, std::string_view letters) {
  return !text.empty() && letters.find(text.front()) != std::string_view::npos;
}

Converted ForCharacter(const Value& value) {
  if (std::holds_alternative<std::string>(value)) return value;
  if (const auto* b = std::get_if<bool>(&value)) return Value(std::string(*b ? "T" : "F"));
  return Value(AsText(value));
}

Converted ForLong(const Value& value, Flavor flavor) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    std::int32_t integer = 0;
    if (Trimmed(*text).empty()) return Value(Blank{});
    if (!EsEntero(Trimmed(*text), &integer)) return EncodeStatus::NotInteger;
    return Value(std::int64_t{integer});
  }
  if (const auto* d = std::get_if<double>(&value)) {
    if (!FitsInt32(*d) || std::trunc(*d) != *d) return EncodeStatus::DoesNotFit;
    return Value(static_cast<std::int64_t>(*d));
  }
  if (const auto* i = std::get_if<std::int64_t>(&value)) {
    // The smallest Long has the blank's bytes at level 7.
    const std::int64_t lowest = HasLittleEndianInteger(flavor) ? -2147483648LL : -2147483647LL;
    if (*i < lowest || *i > 2147483647LL) return EncodeStatus::DoesNotFit;
    return value;
  }
  if (std::holds_alternative<Blank>(value)) return value;
  return EncodeStatus::DoesNotFit;
}

Converted ForNumber(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (Trimmed(*text).empty()) return Value(Blank{});
    const std::optional<double> number = ParseDecimal(*text);
    if (!number) return EncodeStatus::NotFloat;
    return Value(*number);
  }
  if (std::holds_alternative<std::int64_t>(value) || std::holds_alternative<double>(value) ||
      std::holds_alternative<Blank>(value)) {
    return value;
  }
  return EncodeStatus::DoesNotFit;
}

Converted ForLogical(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    const std::string_view t = Trimmed(*text);
    if (t.empty()) return Value(Blank{});
    if (StartsWithOneOf(t, "TtYy")) return Value(true);
    if (StartsWithOneOf(t, "FfNn")) return Value(false);
    return EncodeStatus::DoesNotFit;
  }
  if (std::holds_alternative<bool>(value) || std::holds_alternative<Blank>(value)) return value;
  return EncodeStatus::DoesNotFit;
}

Converted ForDate(const Value& value) {
  if (std::holds_alternative<Blank>(value)) return value;
  const auto* text = std::get_if<std::string>(&value);
  if (text && (Trimmed(*text).empty() ||
               (text->size() == 8 && text->find_first_not_of("0123456789") == std::string::npos))) {
    return value;
  }
  return EncodeStatus::DoesNotFit;
}

Converted ToFieldKind(const FieldInfo& info, Flavor flavor, const Value& value) {
  switch (info.type) {
    case 'C':
      return ForCharacter(value);
    case 'I':
    case '+':
      return ForLong(value, flavor);
    case 'B':
      if (flavor != Flavor::VisualFoxPro) return EncodeStatus::DoesNotFit;  // a memo there
      return ForNumber(value);
    case 'N':
    case 'F':
    case 'O':
      return ForNumber(value);
    case 'L':
      return ForLogical(value);
    case 'D':
      return ForDate(value);
    default:
      return EncodeStatus::DoesNotFit;
  }
}

}  // namespace

std::string_view CharacterView(const char* p, int length) {
  std::string_view text(p, static_cast<std::size_t>(length));
  text = text.substr(0, text.find('\0'));
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool CharacterEquals(const char* p, int length, std::string_view text) {
  const std::size_t width = static_cast<std::size_t>(length);
  if (text.size() > width || (!text.empty() && text.back() == ' ')) return false;
  if (text.find('\0') != std::string_view::npos) return false;
  if (std::memcmp(p, text.data(), text.size()) != 0) return false;
  // The rest must be padding, or the NUL where some writers end the text.
  for (std::size_t i = text.size(); i < width; ++i) {
    if (p[i] == '\0') return true;
    if (p[i] != ' ') return false;
  }
  return true;
}

void EncodeCharacter(char* p, int length, std::string_view text) {
  const std::size_t width = static_cast<std::size_t>(length);
  const std::size_t kept = std::min(width, text.size());
  std::memcpy(p, text.data(), kept);
  std::memset(p + kept, ' ', width - kept);
}

Value Decode(const char* p, const FieldInfo& info, Flavor flavor) {
  switch (info.type) {
    case 'C':
      return CharacterText(p, info.length);
    case 'N':
    case 'F':
      return DecodeNumericText(p, info);
    case 'I':
    case '+':
      if (HasLittleEndianInteger(flavor)) {
        return static_cast<std::int64_t>(static_cast<std::int32_t>(bytes::Le32(p)));
      }
      return DecodeLong7(p);
    case 'O':
      return DecodeDouble7(p);
    case 'B':
      if (flavor == Flavor::VisualFoxPro) return std::bit_cast<double>(bytes::Le64(p));
      return CharacterText(p, info.length);  // a memo block number
    case 'Y':
      if (flavor == Flavor::VisualFoxPro) {
        return static_cast<double>(static_cast<std::int64_t>(bytes::Le64(p))) / 10000.0;
      }
      return Unreadable{};
    case 'L':
      if (StartsWithOneOf(std::string_view(p, 1), "TtYy")) return true;
      if (StartsWithOneOf(std::string_view(p, 1), "FfNn")) return false;
      return Blank{};  // ' ' or '?': unknown
    case 'D': {
      std::string text = CharacterText(p, info.length);
      if (Trimmed(text).empty()) return Blank{};
      return text;
    }
    case 'M':
    case 'G':
    case 'P': {  // memo block numbers: text in dBase, binary in Visual FoxPro
      if (flavor == Flavor::VisualFoxPro && info.length == 4) {
        return static_cast<std::int64_t>(bytes::Le32(p));
      }
      std::string text(Trimmed(CharacterText(p, info.length)));
      if (text.empty()) return Blank{};
      return text;
    }
    default:
      return Unreadable{};
  }
}

EncodeStatus Encode(char* p, const FieldInfo& info, Flavor flavor, const Value& value) {
  const auto converted = ToFieldKind(info, flavor, value);
  if (const auto* status = std::get_if<EncodeStatus>(&converted)) return *status;
  const Value& v = std::get<Value>(converted);
  if (std::holds_alternative<Blank>(v)) {
    EncodeBlank(p, info);
    return EncodeStatus::Ok;
  }
  switch (info.type) {
    case 'C':
    case 'D':
      EncodeCharacter(p, info.length, std::get<std::string>(v));
      return EncodeStatus::Ok;
    case 'I':
    case '+': {
      const auto integer = static_cast<std::uint32_t>(std::get<std::int64_t>(v));
      if (HasLittleEndianInteger(flavor)) {
        bytes::PutLe32(p, integer);
      } else {
        bytes::PutBe32(p, integer ^ 0x80000000u);
      }
      return EncodeStatus::Ok;
    }
    case 'N':
    case 'F':
      return EncodeNumericText(p, info, v);
    case 'O':
    case 'B': {
      const double d = std::holds_alternative<double>(v)
                           ? std::get<double>(v)
                           : static_cast<double>(std::get<std::int64_t>(v));
      if (!std::isfinite(d)) return EncodeStatus::DoesNotFit;
      if (info.type == 'O') {
        EncodeDouble7(p, d);
      } else {
        const auto bits = std::bit_cast<std::uint64_t>(d);
        bytes::PutLe32(p, static_cast<std::uint32_t>(bits));
        bytes::PutLe32(p + 4, static_cast<std::uint32_t>(bits >> 32));
      }
      return EncodeStatus::Ok;
    }
    case 'L':
      *p = std::get<bool>(v) ? 'T' : 'F';
      return EncodeStatus::Ok;
    default:
      return EncodeStatus::DoesNotFit;
  }
}

void EncodeBlank(char* p, const FieldInfo& info) {
  const bool binary = info.type == 'I' || info.type == '+' || info.type == 'O' ||
                      info.type == '@' || info.type == 'B' || info.type == 'Y';
  std::memset(p, binary ? 0 : ' ', static_cast<std::size_t>(info.length));
}

std::string AsText(const Value& value) {
  return std::visit(Overload{
                        [](const Blank&) { return std::string(); },
                        [](const std::string& s) { return s; },
                        [](std::int64_t i) { return IntToStr(i); },
                        [](double d) { return FormatDouble(d); },
                        [](bool b) { return std::string(b ? "T" : "F"); },
                        [](const Malformed& m) { return m.raw; },
                        [](const Unreadable&) { return std::string(); },
                    },
                    value);
}

std::optional<std::int32_t> AsInteger(const Value& value) {
  return std::visit(
      Overload{
          [](const Blank&) -> std::optional<std::int32_t> { return 0; },
          [](const std::string& s) -> std::optional<std::int32_t> {
            std::int32_t i = 0;
            if (Trimmed(s).empty()) return 0;
            if (!EsEntero(s, &i)) return std::nullopt;
            return i;
          },
          [](std::int64_t i) -> std::optional<std::int32_t> {
            if (i < INT32_MIN || i > INT32_MAX) return std::nullopt;
            return static_cast<std::int32_t>(i);
          },
          [](double d) -> std::optional<std::int32_t> {
            // Rounded half to even, as the platform rounds a float to an integer.
            const double r = std::nearbyint(d);
            if (!FitsInt32(r)) return std::nullopt;
            return static_cast<std::int32_t>(r);
          },
          [](bool) -> std::optional<std::int32_t> { return std::nullopt; },
          [](const Malformed&) -> std::optional<std::int32_t> { return std::nullopt; },
          [](const Unreadable&) -> std::optional<std::int32_t> { return std::nullopt; },
      },
      value);
}

std::optional<double> AsFloat(const Value& value) {
  if (const auto* i = std::get_if<std::int64_t>(&value)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* s = std::get_if<std::string>(&value)) return ParseDecimal(*s);
  return std::nullopt;
}

std::optional<bool> AsBoolean(const Value& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  return std::nullopt;
}

std::string FormatDouble(double value) {
  if (value == 0) return "0";
  char text[64];
  const auto done = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  return std::string(text, done.ptr);
}

std::optional<double> ParseDecimal(std::string_view text) {
  text = Trimmed(text);
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  bool point = false;
  for (std::size_t j = i; j < text.size(); ++j) {
    if (text[j] >= '0' && text[j] <= '9') {
      ++digits;
    } else if (text[j] == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  // from_chars takes no '+' and wants a digit before the point.
  std::string plain(text.substr(i));
  if (plain.front() == '.') plain.insert(plain.begin(), '0');
  double number = 0;
  if (std::from_chars(plain.data(), plain.data() + plain.size(), number).ec != std::errc()) {
    return std::nullopt;
  }
  return text[0] == '-' ? -number : number;
}

}  // namespace vadelto::dbase
