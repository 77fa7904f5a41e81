#include "tables/dbase/production_index.h"

#include <algorithm>
#include <numeric>

#include "tables/dbase/value.h"
#include "text/conversion.h"

namespace vadelto::dbase {
namespace {

bool IsNumeric(const Layout& layout, char type) {
  switch (type) {
    case 'N':
    case 'F':
    case 'I':
    case '+':
    case 'O':
      return true;
    case 'B':
    case 'Y':
      return layout.flavor == Flavor::VisualFoxPro;
    default:
      return false;
  }
}

// A blank or unreadable number keys as zero, as dBase evaluates it.
Value KeyValue(const Layout& layout, std::string_view records, std::uint32_t record, int field) {
  const Field& f = layout.fields[static_cast<std::size_t>(field)];
  Value v = Decode(records.data() + std::size_t{record} * layout.recordLength + f.offset, f.info,
                   layout.flavor);
  if (std::holds_alternative<std::int64_t>(v) || std::holds_alternative<double>(v)) return v;
  return std::int64_t{0};
}

double AsDouble(const Value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
  return std::get<double>(v);
}

}  // namespace

std::string KeyExpression(std::string_view expression) {
  std::string plain;
  for (char c : expression) {
    if (c != ' ') plain += c;
  }
  return MayusculasAscii(plain);
}

std::vector<IndexedTag> ResolveTags(const std::vector<MdxTag>& tags, const Layout& layout) {
  std::vector<IndexedTag> resolved;
  for (const MdxTag& tag : tags) {
    IndexedTag indexed{tag, -1};
    const std::string expression = KeyExpression(tag.expression);
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
      const FieldInfo& info = layout.fields[i].info;
      if (MayusculasAscii(info.name) == expression && IsNumeric(layout, info.type) &&
          tag.keyType == 'N' && !tag.descending && !tag.unique && !tag.filtered) {
        indexed.field = static_cast<int>(i);
      }
    }
    resolved.push_back(std::move(indexed));
  }
  return resolved;
}

std::vector<std::uint32_t> IndexOrder(const Layout& layout, std::string_view records, int field) {
  const std::uint32_t count = layout.recordCount;
  std::vector<double> keys(count);
  for (std::uint32_t r = 0; r < count; ++r) keys[r] = AsDouble(KeyValue(layout, records, r, field));
  std::vector<std::uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  return order;
}

std::string BuildProductionIndex(const Layout& layout, std::string_view records,
                                 std::string_view tableName, const std::vector<IndexedTag>& tags,
                                 Date date) {
  std::vector<MdxTagContents> contents;
  for (const IndexedTag& tag : tags) {
    MdxTagContents c{tag.tag, {}};
    c.entries.reserve(layout.recordCount);
    for (std::uint32_t r : IndexOrder(layout, records, tag.field)) {
      const Value v = KeyValue(layout, records, r, tag.field);
      const auto* integer = std::get_if<std::int64_t>(&v);
      c.entries.push_back(
          {integer ? MakeNumericKey(*integer) : MakeNumericKey(std::get<double>(v)), r + 1});
    }
    contents.push_back(std::move(c));
  }
  return BuildMdx(tableName, LanguageId(layout), date, contents);
}

}  // namespace vadelto::dbase
