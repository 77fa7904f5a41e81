#include "tables/dbase/mdx.h"

#include <algorithm>
#include <cstring>

#include "tables/dbase/bytes.h"

namespace vadelto::dbase {
namespace {

constexpr std::size_t kHeaderBytes = 2048;  // file header and tag table: pages 0-3
constexpr std::size_t kTagTable = 544;
constexpr std::size_t kTagEntry = 32;
constexpr std::size_t kMaxTags = 48;
constexpr std::uint32_t kPagesPerBlock = kMdxBlock / kMdxPage;

void PutDate(char* p, Date date) {
  p[0] = static_cast<char>(date.year - 1900);
  p[1] = static_cast<char>(date.month);
  p[2] = static_cast<char>(date.day);
}

// Splits `count` items into `groups` runs whose sizes differ by one at most, so no node
// is left nearly empty at the end of a level.
std::vector<std::size_t> EvenRuns(std::size_t count, std::size_t capacity) {
  const std::size_t groups = std::max<std::size_t>(1, (count + capacity - 1) / capacity);
  std::vector<std::size_t> runs(groups, count / groups);
  for (std::size_t i = 0; i < count % groups; ++i) ++runs[i];
  return runs;
}

struct Child {
  std::uint32_t page;
  NumericKey lastKey;
};

// Appends one tag's nodes to `file` (pages numbered from the file's current end): leaves
// first, then each interior level up to the root. Returns the root, first and last leaf.
struct Tree {
  std::uint32_t root, firstLeaf, lastLeaf, nodes;
};

Tree WriteTree(std::string& file, const std::vector<MdxEntry>& entries) {
  const auto nextPage = [&] { return static_cast<std::uint32_t>(file.size() / kMdxPage); };
  const auto newNode = [&] {
    file.resize(file.size() + kMdxBlock, '\0');
    return &file[file.size() - kMdxBlock];
  };
  Tree tree{};
  std::vector<Child> level;
  std::size_t next = 0;
  for (std::size_t run : EvenRuns(entries.size(), kMdxLeafKeys)) {
    const std::uint32_t page = nextPage();
    char* node = newNode();
    bytes::PutLe32(node, static_cast<std::uint32_t>(run));
    for (std::size_t i = 0; i < run; ++i, ++next) {
      char* item = node + 8 + i * kMdxKeyItem;
      bytes::PutLe32(item, entries[next].record);
      std::memcpy(item + 4, entries[next].key.data(), entries[next].key.size());
    }
    level.push_back({page, run ? entries[next - 1].key : NumericKey{}});
  }
  tree.firstLeaf = level.front().page;
  tree.lastLeaf = level.back().page;
  tree.nodes = static_cast<std::uint32_t>(level.size());
  // Interior entries pair each child with the greatest key under it; the last child has
  // its pointer only.
  while (level.size() > 1) {
    std::vector<Child> upper;
    std::size_t child = 0;
    for (std::size_t run : EvenRuns(level.size(), kMdxInteriorKeys + 1)) {
      const std::uint32_t page = nextPage();
      char* node = newNode();
      bytes::PutLe32(node, static_cast<std::uint32_t>(run - 1));
      for (std::size_t i = 0; i < run; ++i, ++child) {
        char* item = node + 8 + i * kMdxKeyItem;
        bytes::PutLe32(item, level[child].page);
        if (i + 1 < run) std::memcpy(item + 4, level[child].lastKey.data(), kMdxKeyItem - 4);
      }
      upper.push_back({page, level[child - 1].lastKey});
      ++tree.nodes;
    }
    level = std::move(upper);
  }
  tree.root = level.front().page;
  return tree;
}

void WriteTagHeader(char* h, const MdxTag& tag, const Tree& tree) {
  bytes::PutLe32(h, tree.root);
  bytes::PutLe32(h + 4, (tree.nodes + 1) * kPagesPerBlock);
  h[8] = 0x10;
  h[9] = tag.keyType;
  bytes::PutLe16(h + 12, sizeof(NumericKey));
  bytes::PutLe16(h + 14, static_cast<std::uint16_t>(kMdxLeafKeys));
  bytes::PutLe16(h + 18, static_cast<std::uint16_t>(kMdxKeyItem));
  h[20] = 1;
  tag.expression.copy(h + 24, 219);
  h[246] = 1;  // key expression present
  bytes::PutLe32(h + 248, tree.firstLeaf);
  bytes::PutLe32(h + 252, tree.lastLeaf);
}

}  // namespace

std::string BuildMdx(std::string_view tableName, std::uint8_t languageId, Date date,
                     const std::vector<MdxTagContents>& tags) {
  std::string file(kHeaderBytes + kMdxBlock * tags.size(), '\0');
  file[0] = 2;
  PutDate(&file[1], date);
  tableName.substr(0, 15).copy(&file[4], 15);
  bytes::PutLe16(&file[20], kPagesPerBlock);
  bytes::PutLe16(&file[22], kMdxBlock);
  file[24] = 1;  // production index
  file[25] = static_cast<char>(kMaxTags);
  file[26] = static_cast<char>(kTagEntry);
  bytes::PutLe16(&file[28], static_cast<std::uint16_t>(tags.size()));
  file[31] = static_cast<char>(languageId);
  PutDate(&file[44], date);
  file[529] = 1;
  for (std::size_t t = 0; t < tags.size(); ++t) {
    const std::size_t headerAt = kHeaderBytes + kMdxBlock * t;
    const Tree tree = WriteTree(file, tags[t].entries);
    WriteTagHeader(&file[headerAt], tags[t].tag, tree);
    char* entry = &file[kTagTable + kTagEntry * t];
    bytes::PutLe32(entry, static_cast<std::uint32_t>(headerAt / kMdxPage));
    tags[t].tag.name.substr(0, 10).copy(entry + 4, 10);
    entry[15] = 0x10;  // the key is a field
    entry[19] = 2;
    entry[20] = tags[t].tag.keyType;
  }
  bytes::PutLe32(&file[32], static_cast<std::uint32_t>(file.size() / kMdxPage));
  return file;
}

std::optional<std::vector<MdxTag>> ReadMdxTags(std::string_view file) {
  if (file.size() < kHeaderBytes) return std::nullopt;
  const std::uint8_t version = bytes::U8(&file[0]);
  const std::size_t entrySize = bytes::U8(&file[26]);
  const std::size_t used = bytes::Le16(&file[28]);
  if ((version != 2 && version != 3) || entrySize < kTagEntry || used > kMaxTags) {
    return std::nullopt;
  }
  // dBase 7 entries carry a 33-byte name and start one entry size past 512.
  const bool longNames = version == 3;
  const std::size_t first = longNames ? kMdxPage + entrySize : kTagTable;
  std::vector<MdxTag> tags;
  for (std::size_t t = 0; t < used; ++t) {
    const std::size_t at = first + entrySize * t;
    if (at + (longNames ? 43 : kTagEntry) > kHeaderBytes) return std::nullopt;
    const char* entry = &file[at];
    const std::uint64_t headerAt = std::uint64_t{bytes::Le32(entry)} * kMdxPage;
    if (headerAt < kHeaderBytes || headerAt + 256 > file.size()) return std::nullopt;
    const char* h = &file[headerAt];
    MdxTag tag;
    const std::string_view name(entry + 4, longNames ? 33 : 11);
    tag.name = std::string(name.substr(0, name.find('\0')));
    const std::string_view expression(h + 24, 220);
    tag.expression = std::string(expression.substr(0, expression.find('\0')));
    tag.keyType = h[9];
    tag.descending = (h[8] & 0x08) != 0;
    tag.unique = h[23] != 0 || (h[8] & 0x60) != 0;
    tag.filtered = h[245] != 0;
    tags.push_back(std::move(tag));
  }
  return tags;
}

}  // namespace vadelto::dbase
