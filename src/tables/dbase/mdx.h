#pragma once

// The production index file (.MDX) of a table, dBase IV layout: a 2048-byte header with
// the tag table, one header block per tag, and each tag's B-tree of 1024-byte nodes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbase/layout.h"
#include "tables/dbase/numeric_key.h"

namespace vadelto::dbase {

struct MdxTag {
  std::string name;        // "ORDEN"
  std::string expression;  // the key expression: a field name for the tags we write
  char keyType = 'N';      // 'C', 'N', 'D'
  bool descending = false;
  bool unique = false;
  bool filtered = false;  // has a FOR expression
};

struct MdxEntry {
  NumericKey key;
  std::uint32_t record;  // 1-based
};

struct MdxTagContents {
  MdxTag tag;
  std::vector<MdxEntry> entries;  // in key order, equal keys in record order
};

// The whole file for an ascending numeric tag on each field. `tableName` is the table's
// file name without extension, as the header repeats it.
std::string BuildMdx(std::string_view tableName, std::uint8_t languageId, Date date,
                     const std::vector<MdxTagContents>& tags);

// The tags an index file declares; nullopt when the bytes are no index file we know.
std::optional<std::vector<MdxTag>> ReadMdxTags(std::string_view file);

// Node geometry, fixed for the files we write.
inline constexpr std::size_t kMdxPage = 512;
inline constexpr std::size_t kMdxBlock = 1024;
inline constexpr std::size_t kMdxKeyItem = 16;  // 4-byte record or child page, 12-byte key
inline constexpr std::size_t kMdxLeafKeys = (kMdxBlock - 8) / kMdxKeyItem;  // 63
// An interior node is told from a leaf by the child pointer after its last key, so it
// holds one key fewer than a full leaf.
inline constexpr std::size_t kMdxInteriorKeys = kMdxLeafKeys - 1;

}  // namespace vadelto::dbase
