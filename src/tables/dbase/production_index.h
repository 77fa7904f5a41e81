#pragma once

// Keeping a table's production index: which of its tags this engine understands, the order
// a tag gives the records, and the index file rebuilt from the records.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbase/layout.h"
#include "tables/dbase/mdx.h"

namespace vadelto::dbase {

struct IndexedTag {
  MdxTag tag;
  int field = -1;  // the keyed field; -1 for a tag this engine cannot keep
};

// A key expression in the form tags are compared by: upper case, without blanks.
std::string KeyExpression(std::string_view expression);

// Ascending, non-unique, unfiltered numeric tags on one numeric field are kept.
std::vector<IndexedTag> ResolveTags(const std::vector<MdxTag>& tags, const Layout& layout);

// Every record (deleted ones too, as the index keeps them) in key order, equal keys in
// record order. `records` holds the records back to back.
std::vector<std::uint32_t> IndexOrder(const Layout& layout, std::string_view records, int field);

// The whole .MDX for the kept tags, with the keys of every record.
std::string BuildProductionIndex(const Layout& layout, std::string_view records,
                                 std::string_view tableName, const std::vector<IndexedTag>& tags,
                                 Date date);

}  // namespace vadelto::dbase
