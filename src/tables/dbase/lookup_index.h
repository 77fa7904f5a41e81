#pragma once

// Hash lookups over an open table's records, answering what a scan in physical order would:
// the first live record whose fields compare equal to the values, and every live record whose
// field equals a value, in record order. A field compares by its key: a character field's text
// as it reads back, any other field's value as text. Records appended later are added.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tables/dbase/layout.h"

namespace vadelto::dbase {

// The form a field's bytes are compared in: equal keys exactly when a search would match.
std::string FieldKey(const char* record, const Field& field, Flavor flavor);
// The key a searched value must have to match the field; nullopt when no record can match it
// (a character value longer than the field, with trailing blanks or a NUL).
std::optional<std::string> ValueKey(const Field& field, std::string_view value);

// The first live record for each combination of values of some fields.
class FirstMatchIndex {
 public:
  explicit FirstMatchIndex(std::vector<std::size_t> fields) : fields_(std::move(fields)) {}

  const std::vector<std::size_t>& Fields() const { return fields_; }
  // Records must be added in record order; a later record never replaces an earlier one.
  void Add(const char* record, std::uint32_t number, const Layout& layout);
  std::optional<std::uint32_t> Find(const Layout& layout,
                                    const std::vector<std::string>& values) const;

 private:
  std::vector<std::size_t> fields_;
  std::unordered_map<std::string, std::uint32_t> first_;
};

// The live records grouped by one field's key, each group in record order.
class FieldGroups {
 public:
  FieldGroups(std::size_t field, std::string_view records, const Layout& layout);

  std::size_t FieldNumber() const { return field_; }
  // The records whose field equals `value`, as a filter passes them.
  const std::vector<std::uint32_t>& Rows(const Layout& layout, std::string_view value) const;

 private:
  std::size_t field_;
  std::unordered_map<std::string, std::vector<std::uint32_t>> groups_;
  std::vector<std::uint32_t> none_;
};

}  // namespace vadelto::dbase
