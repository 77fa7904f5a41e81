#pragma once

// A small dBase table engine: creates level-7 tables (with a production .MDX for index
// definitions), reads every level a host may write (dBase III, IV, 5, 7, FoxPro, Visual
// FoxPro), and offers the operations the conversions use. Texts are Windows-1252 bytes.
// Failures raise vadelto::Error with a Spanish message that names the table by its label
// (the Windows path the user knows) and by where it really is.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vadelto::dbase {

enum class FieldKind { Text, Integer, Float, Boolean };

struct FieldDef {
  std::string name;
  FieldKind kind;
  int width = 0;  // characters, for Text only
};

struct IndexDef {
  std::string name;   // tag name, "ORDEN"
  std::string field;  // indexed field, ascending, duplicates allowed
};

// Creates the table, replacing any table of that name (and its .MDX); the new table is empty.
// Fields are created in the order given: Text as C(width), Integer as I, Float as O,
// Boolean as L. With index definitions the production .MDX is written and flagged.
void CreateTable(const std::filesystem::path& file, const std::string& label,
                 const std::vector<FieldDef>& fields, const std::vector<IndexDef>& indexes = {});

// Creates an empty dBase III table (version 0x03, no index), as older programs write their
// tables: Text as C(width), Integer as N(width,0) with `width` digits (1 to 18, sign
// included), Boolean as L. Float has no place in it and is refused. Replaces any table of
// that name; its values are then appended with the same Table operations.
void CreateDBase3Table(const std::filesystem::path& file, const std::string& label,
                       const std::vector<FieldDef>& fields);

struct FieldInfo {
  std::string name;  // as stored (upper case)
  char type;         // 'C', 'N', 'F', 'I', 'O', 'L', 'D', ...
  int length;
  int decimals;
};

enum class Access { Shared, Exclusive };

class Table {
 public:
  // Names the file; nothing is opened yet.
  Table(std::filesystem::path file, std::string label);
  ~Table();  // closes; an append not posted is dropped
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // Opening fails with an error when the file is missing, corrupt, or cannot be had: an
  // exclusive open fails while anyone else has the table open, and any open fails while
  // someone else holds it exclusively (another process or another Table in this one).
  void Open(Access access);
  void Close();  // writes what was posted
  bool IsOpen() const;

  const std::vector<FieldInfo>& Fields() const;
  bool HasField(std::string_view name) const;  // names match ignoring ASCII case

  // Appending: Append starts a blank row at the end, the setters fill it, Post stores it.
  // A text longer than its field is cut to the field's width, silently. Unknown field: error.
  void Append();
  void SetText(std::string_view field, std::string_view value);
  void SetInteger(std::string_view field, std::int32_t value);
  void SetFloat(std::string_view field, double value);
  void SetBoolean(std::string_view field, bool value);
  void Post();

  // Navigation over the rows that are not deleted and pass the filter, in physical order,
  // or in the selected index's order (equal keys in record order).
  void First();
  void Next();
  bool Eof() const;

  // A text field without the blanks that pad it; a numeric field as its number's text;
  // a logical field as "T"/"F" (blank as empty); a blank field as the empty text.
  std::string GetText(std::string_view field) const;
  // A blank field reads 0; a text that is no integer raises the conversion error.
  std::int32_t GetInteger(std::string_view field) const;
  std::optional<double> GetFloat(std::string_view field) const;
  std::optional<bool> GetBoolean(std::string_view field) const;

  // Goes to the first row (in the current order, filter applied) whose fields equal the
  // values exactly, case-sensitively; each value is compared as the field would store it
  // (cut to the width, padding blanks ignored), so searching with stored texts always finds
  // the row. On failure the position is unchanged. `fields` is "NAME;NAME".
  bool Locate(std::string_view fields, const std::vector<std::string>& values);
  // The level table is searched by an integer on its numeric field.
  bool LocateInteger(std::string_view field, std::int32_t value);

  // Only the form  FIELD= 'value'  (single quotes inside the value doubled) is accepted; it
  // passes the rows whose field reads back equal to value. Anything else raises an error;
  // nothing is ever evaluated. The empty expression switches filtering off. Moves to First.
  void SetFilter(std::string_view expression);

  // By index field names ("ORDEN"); the empty text returns to physical order. Moves to First.
  void SelectIndex(std::string_view fieldNames);

  // Rows that are not deleted, whatever the filter.
  int RecordCount() const;

  const std::string& Label() const;
  const std::filesystem::path& File() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Builds the filter expression for `field` equal to `value`, doubling single quotes.
std::string EqualsFilter(std::string_view field, std::string_view value);

}  // namespace vadelto::dbase
