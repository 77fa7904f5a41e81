#pragma once

// The file header of a dBase table: what a level-7 table we create holds, and what every
// level a host may write tells us about its fields and records.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbase/table.h"

namespace vadelto::dbase {

// The families whose field encodings differ.
enum class Flavor {
  DBase,         // dBase III, IV and 5: 32-byte header and descriptors
  Level7,        // dBase 7: 68-byte header, 48-byte descriptors
  FoxPro,        // FoxPro 2.x and FoxBASE+
  VisualFoxPro,  // 263-byte backlink after the descriptors; I little-endian, B a double
};

struct Field {
  FieldInfo info;
  std::uint32_t offset;  // from the start of the record (the deletion flag is byte 0)
};

struct Layout {
  std::uint8_t version = 0;
  Flavor flavor = Flavor::Level7;
  std::uint32_t headerLength = 0;
  std::uint32_t recordLength = 0;
  std::uint32_t recordCount = 0;
  bool productionIndex = false;
  std::uint8_t languageId = 0;
  std::string languageName;  // level 7 only
  std::vector<Field> fields;
};

struct Date {
  int year, month, day;
};
Date Today();

inline constexpr char kLiveRecord = ' ';
inline constexpr char kDeletedRecord = '*';
inline constexpr char kEndOfFile = 0x1A;
inline constexpr std::string_view kLanguageDriver = "DBWINWE0";  // Windows-1252, W. Europe
inline constexpr std::uint8_t kLanguageDriverId = 0x58;          // its id, as an .MDX holds it

// Reads the header of a whole table file and checks it against the file's size, so that no
// record read can pass the end. A fault raises TablaDanada naming `table`.
Layout ReadLayout(std::string_view file, std::string_view table);

// The header of a new, empty level-7 table: 68 bytes, the descriptors, the terminator.
struct NewField {
  FieldInfo info;
  bool indexed;  // has a tag in the production index
};
std::string Level7Header(const std::vector<NewField>& fields, bool productionIndex, Date date);

// The header of a new, empty dBase III table: 32 bytes, the descriptors, the terminator.
std::string DBase3Header(const std::vector<FieldInfo>& fields, Date date);

// Writes the record count and the date of last update into a header.
void StampHeader(char* header, std::uint32_t recordCount, Date date);

// The 1-byte language driver id of a table, as an index file repeats it (0 when unknown).
std::uint8_t LanguageId(const Layout& layout);

}  // namespace vadelto::dbase
