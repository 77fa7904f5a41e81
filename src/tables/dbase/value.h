#pragma once

// One field's value, decoded from its bytes or about to be encoded into them, and the
// conversions between the ways callers read and write it (text, integer, float, boolean).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "tables/dbase/layout.h"

namespace vadelto::dbase {

struct Blank {};
struct Malformed {  // a numeric field whose text is no number ("*****", "1,50")
  std::string raw;
};
struct Unreadable {};  // a type this engine does not decode (date-time, varchar...)

using Value = std::variant<Blank, std::string, std::int64_t, double, bool, Malformed, Unreadable>;

Value Decode(const char* field, const FieldInfo& info, Flavor flavor);

// A character field's text as it reads back, without copying: up to a NUL some writers
// leave, without the padding blanks.
std::string_view CharacterView(const char* field, int length);
// Whether the field reads back as `text`, without the copy: the hot path of every search.
bool CharacterEquals(const char* field, int length, std::string_view text);
// A character field's bytes: the text cut to the width, padded with blanks.
void EncodeCharacter(char* field, int length, std::string_view text);

enum class EncodeStatus { Ok, NotInteger, NotFloat, DoesNotFit };
// Writes `value` into the field's bytes; on failure the bytes are left as they were.
EncodeStatus Encode(char* field, const FieldInfo& info, Flavor flavor, const Value& value);

// The bytes of a field nobody has set.
void EncodeBlank(char* field, const FieldInfo& info);

// Conversions for the readers; nullopt where the value has no such form (callers test for
// Blank first where a blank means something else).
std::string AsText(const Value& value);
std::optional<std::int32_t> AsInteger(const Value& value);  // a blank reads 0
std::optional<double> AsFloat(const Value& value);
std::optional<bool> AsBoolean(const Value& value);

// Numbers as text: integers in decimal, doubles with up to 15 significant digits, '.' as
// the decimal point whatever the locale.
std::string FormatDouble(double value);
// An optional sign, digits with an optional '.' (at least one digit), blanks around.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace vadelto::dbase
