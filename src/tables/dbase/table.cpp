#include "tables/dbase/table.h"

#include <cerrno>
#include <utility>

#include "tables/dbase/filter.h"
#include "tables/dbase/layout.h"
#include "tables/dbase/lookup_index.h"
#include "tables/dbase/naming.h"
#include "tables/dbase/os_file.h"
#include "tables/dbase/production_index.h"
#include "tables/dbase/value.h"
#include "text/conversion.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::dbase {
namespace fs = std::filesystem;

namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string_view TrimBoth(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return TrimRight(text);
}

std::vector<std::string_view> SplitNames(std::string_view names) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = names.find(';', start);
    parts.push_back(TrimBoth(names.substr(start, end - start)));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

struct Table::Impl {
  fs::path file;
  std::string label;
  std::string name;  // for messages

  OsFile os;
  bool open = false;
  Layout layout;
  std::vector<FieldInfo> fieldInfos;
  // The whole table while it is open: the header, then every record back to back, those
  // appended since opening included. One buffer, read and written in one go.
  std::string data;
  std::uint32_t storedCount = 0;  // records in the file
  std::uint64_t fileSize = 0;
  int liveCount = 0;

  fs::path indexFile;
  std::vector<IndexedTag> tags;
  std::string indexFault;  // why the index file could not be read, if it could not

  bool pending = false;  // a row is being appended, in `row`
  std::string row;
  std::string blankRow;  // what a new row starts as

  struct Condition {
    std::size_t field;
    std::string value;
  };
  std::optional<Condition> filter;
  int orderField = -1;               // the selected index's field, -1 for physical order
  std::vector<std::uint32_t> order;  // records in index order
  bool orderStale = false;
  // Searches without filter and index answered by hash, one index for each set of fields
  // searched; kept up to date as rows are posted.
  std::vector<FirstMatchIndex> locateIndexes;
  // The rows the filter passes, while no row has been posted since it was set: filtering
  // visits only those. Otherwise every record is visited and the filter tested on each.
  std::optional<FieldGroups> filterGroups;
  const std::vector<std::uint32_t>* filterRows = nullptr;
  std::size_t position = 0;  // in the visiting order
  long current = -1;         // record number, -1 for none
  bool eof = true;

  // --- state checks and lookups

  void RequireOpen() const {
    if (!open) throw Error(mensajes::TablaNoAbierta(name));
  }

  std::size_t FieldIndex(std::string_view fieldName) const {
    RequireOpen();
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
      if (SameName(layout.fields[i].info.name, fieldName)) return i;
    }
    throw Error(mensajes::CampoNoExiste(name, fieldName));
  }

  const char* Record(std::uint32_t r) const {
    return data.data() + layout.headerLength + std::size_t{r} * layout.recordLength;
  }

  std::string_view Records() const { return std::string_view(data).substr(layout.headerLength); }

  // The row the readers see: the one being appended, or the current one.
  const char* Row() const {
    if (pending) return row.data();
    return current >= 0 ? Record(static_cast<std::uint32_t>(current)) : nullptr;
  }

  Value Read(std::string_view fieldName) const {
    const Field& f = layout.fields[FieldIndex(fieldName)];
    const char* record = Row();
    if (!record) return Blank{};
    Value v = Decode(record + f.offset, f.info, layout.flavor);
    if (std::holds_alternative<Unreadable>(v)) {
      throw Error(mensajes::CampoTipoNoLegible(name, f.info.name, f.info.type));
    }
    return v;
  }

  void Write(std::string_view fieldName, const Value& value) {
    const Field& f = layout.fields[FieldIndex(fieldName)];
    if (!pending) throw Error(mensajes::TablaSinRegistroNuevo(name));
    switch (Encode(row.data() + f.offset, f.info, layout.flavor, value)) {
      case EncodeStatus::Ok:
        return;
      case EncodeStatus::NotInteger:
        throw Error(mensajes::NoEsEntero(AsText(value)));
      case EncodeStatus::NotFloat:
        throw Error(mensajes::NoEsFlotante(AsText(value)));
      case EncodeStatus::DoesNotFit:
        throw Error(mensajes::CampoValorNoCabe(name, f.info.name, AsText(value)));
    }
  }

  // --- navigation

  std::size_t VisitCount() const {
    if (orderField >= 0) return order.size();
    return filterRows ? filterRows->size() : layout.recordCount;
  }
  std::uint32_t VisitAt(std::size_t i) const {
    if (orderField >= 0) return order[i];
    return filterRows ? (*filterRows)[i] : static_cast<std::uint32_t>(i);
  }

  bool Visible(std::uint32_t r) const {
    const char* record = Record(r);
    if (*record == kDeletedRecord) return false;
    if (!filter) return true;
    const Field& f = layout.fields[filter->field];
    return FieldEquals(record, f, filter->value);
  }

  // Compares as a search does: a character field with the value cut to its width, padding
  // blanks ignored on both sides; other fields by the text they read back.
  bool FieldEquals(const char* record, const Field& f, std::string_view value) const {
    if (f.info.type == 'C') return CharacterEquals(record + f.offset, f.info.length, value);
    return AsText(Decode(record + f.offset, f.info, layout.flavor)) == value;
  }

  std::string SearchValue(const Field& f, std::string_view value) const {
    if (f.info.type == 'C') value = value.substr(0, static_cast<std::size_t>(f.info.length));
    return std::string(TrimRight(value));
  }

  void RefreshOrder() {
    if (orderField < 0 || !orderStale) return;
    order = IndexOrder(layout, Records(), orderField);
    orderStale = false;
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (static_cast<long>(order[i]) == current) position = i;
    }
  }

  // The hash index of these fields, built on first use from the records in physical order.
  FirstMatchIndex& IndexFor(const std::vector<std::size_t>& fieldNumbers) {
    for (FirstMatchIndex& index : locateIndexes) {
      if (index.Fields() == fieldNumbers) return index;
    }
    FirstMatchIndex& index = locateIndexes.emplace_back(fieldNumbers);
    for (std::uint32_t r = 0; r < layout.recordCount; ++r) index.Add(Record(r), r, layout);
    return index;
  }

  // Moves to the first visible row at or after `from`; false at the end.
  bool SeekFrom(std::size_t from) {
    for (std::size_t i = from; i < VisitCount(); ++i) {
      if (Visible(VisitAt(i))) {
        position = i;
        current = VisitAt(i);
        eof = false;
        return true;
      }
    }
    eof = true;
    return false;
  }

  void First() {
    RequireOpen();
    PostPending();
    RefreshOrder();
    if (!SeekFrom(0)) current = -1;
  }

  void Next() {
    RequireOpen();
    PostPending();
    RefreshOrder();
    if (current < 0 || eof) {
      eof = true;
      return;
    }
    SeekFrom(position + 1);
  }

  // --- appending

  void PostPending() {
    if (!pending) return;
    data += row;
    pending = false;
    for (FirstMatchIndex& index : locateIndexes) index.Add(row.data(), layout.recordCount, layout);
    // Back to visiting every record, where the new row's position is its number.
    filterGroups.reset();
    filterRows = nullptr;
    current = static_cast<long>(layout.recordCount);
    position = static_cast<std::size_t>(current);
    ++layout.recordCount;
    ++liveCount;
    eof = false;
    orderStale = orderField >= 0;
  }

  void Append() {
    RequireOpen();
    PostPending();
    if (!os.Writable()) {
      throw Error(mensajes::TablaNoSePuedeEscribir(name, mensajes::CausaSistema(EACCES)));
    }
    if (!indexFault.empty()) throw Error(indexFault);
    for (const IndexedTag& tag : tags) {
      if (tag.field < 0) throw Error(mensajes::TablaIndiceNoAdmitido(name, tag.tag.name));
    }
    row = blankRow;
    pending = true;
  }

  // --- opening and closing

  void Open(Access access) {
    if (open) return;
    std::error_code ec;
    if (!fs::is_directory(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec)) {
      throw Error(mensajes::TablaCarpetaNoExiste(name));
    }
    const LockKind lock = access == Access::Exclusive ? LockKind::Exclusive : LockKind::Shared;
    switch (os.Open(file, lock)) {
      case OsFile::Status::Ok:
        break;
      case OsFile::Status::Missing:
        throw Error(mensajes::TablaNoExiste(name));
      case OsFile::Status::Locked:
        throw Error(access == Access::Exclusive ? mensajes::TablaNoExclusiva(name)
                                                : mensajes::TablaEnUso(name));
      case OsFile::Status::Failed:
        throw Error(mensajes::TablaNoSePuedeLeer(name, mensajes::CausaSistema(os.LastError())));
    }
    try {
      Load();
    } catch (...) {
      os.Close();
      throw;
    }
    open = true;
    First();
  }

  void Load() {
    std::string contents;
    if (!os.ReadAll(contents)) {
      throw Error(mensajes::TablaNoSePuedeLeer(name, mensajes::CausaSistema(os.LastError())));
    }
    fileSize = contents.size();
    layout = ReadLayout(contents, name);
    // What follows the last record (the end-of-file mark, stale bytes) is not kept.
    contents.resize(layout.headerLength + std::size_t{layout.recordCount} * layout.recordLength);
    data = std::move(contents);
    storedCount = layout.recordCount;
    liveCount = 0;
    for (std::uint32_t r = 0; r < layout.recordCount; ++r) {
      if (*Record(r) != kDeletedRecord) ++liveCount;
    }
    fieldInfos.clear();
    blankRow.assign(layout.recordLength, kLiveRecord);
    for (const Field& f : layout.fields) {
      fieldInfos.push_back(f.info);
      EncodeBlank(blankRow.data() + f.offset, f.info);
    }
    LoadIndex();
  }

  // A flagged index that is missing leaves the table in physical order. One that cannot be
  // read stops only what needs it (selecting it, appending, which must keep it), so a table
  // another program indexed in a way of its own still reads.
  void LoadIndex() {
    tags.clear();
    indexFault.clear();
    indexFile = IndexFileOf(file);
    std::error_code ec;
    if (!layout.productionIndex || !fs::exists(indexFile, ec)) return;
    OsFile index;
    std::string contents;
    if (index.Open(indexFile, LockKind::Shared) != OsFile::Status::Ok || !index.ReadAll(contents)) {
      indexFault = mensajes::TablaNoSePuedeLeer(name, mensajes::CausaSistema(index.LastError()));
    } else if (const auto declared = ReadMdxTags(contents)) {
      tags = ResolveTags(*declared, layout);
    } else {
      indexFault = mensajes::TablaIndiceDanado(name, mensajes::DetalleIndiceIlegible());
    }
  }

  // Records first, then the header's count: a crash in between leaves a header that claims
  // no more records than the file holds.
  void Flush() {
    if (layout.recordCount == storedCount) return;
    const auto fail = [&](int error) {
      return Error(mensajes::TablaNoSePuedeEscribir(name, mensajes::CausaSistema(error)));
    };
    const std::size_t at = layout.headerLength + std::size_t{storedCount} * layout.recordLength;
    data += kEndOfFile;
    const bool written = os.WriteAt(at, std::string_view(data).substr(at)) && os.Sync();
    data.pop_back();
    if (!written) throw fail(os.LastError());
    const Date today = Today();
    StampHeader(data.data(), layout.recordCount, today);
    if (!os.WriteAt(1, std::string_view(data).substr(1, 7))) throw fail(os.LastError());
    const std::uint64_t end = data.size() + 1;
    if (fileSize > end && !os.Truncate(end)) throw fail(os.LastError());
    if (!os.Sync()) throw fail(os.LastError());
    storedCount = layout.recordCount;
    fileSize = end;
    if (!tags.empty()) {
      const std::string index =
          BuildProductionIndex(layout, Records(), file.stem().string(), tags, today);
      if (const int error = ReplaceFile(indexFile, index)) throw fail(error);
    }
  }

  void Close() {
    if (!open) return;
    pending = false;
    struct Release {
      Impl& impl;
      ~Release() {
        impl.os.Close();
        impl.open = false;
        impl.data.clear();
        impl.data.shrink_to_fit();
        impl.order.clear();
        impl.filter.reset();
        impl.locateIndexes.clear();
        impl.filterGroups.reset();
        impl.filterRows = nullptr;
        impl.orderField = -1;
        impl.current = -1;
        impl.eof = true;
      }
    } release{*this};
    Flush();
  }
};

Table::Table(fs::path file, std::string label) : impl_(std::make_unique<Impl>()) {
  impl_->name = NameForMessages(label, file);
  impl_->file = std::move(file);
  impl_->label = std::move(label);
}

Table::~Table() {
  try {
    impl_->Close();
  } catch (const Error&) {
    // Nobody is left to tell; Close reports the same failure to callers that ask.
  }
}

void Table::Open(Access access) {
  impl_->Open(access);
}
void Table::Close() {
  impl_->Close();
}
bool Table::IsOpen() const {
  return impl_->open;
}
const std::vector<FieldInfo>& Table::Fields() const {
  return impl_->fieldInfos;
}

bool Table::HasField(std::string_view name) const {
  for (const FieldInfo& f : impl_->fieldInfos) {
    if (SameName(f.name, name)) return true;
  }
  return false;
}

void Table::Append() {
  impl_->Append();
}
void Table::SetText(std::string_view field, std::string_view value) {
  Impl& t = *impl_;
  const Field& f = t.layout.fields[t.FieldIndex(field)];
  if (f.info.type == 'C' && t.pending) {  // the common case, without a Value
    EncodeCharacter(t.row.data() + f.offset, f.info.length, value);
    return;
  }
  t.Write(field, std::string(value));
}
void Table::SetInteger(std::string_view field, std::int32_t value) {
  impl_->Write(field, std::int64_t{value});
}
void Table::SetFloat(std::string_view field, double value) {
  impl_->Write(field, value);
}
void Table::SetBoolean(std::string_view field, bool value) {
  impl_->Write(field, value);
}

void Table::Post() {
  impl_->RequireOpen();
  if (!impl_->pending) throw Error(mensajes::TablaSinRegistroNuevo(impl_->name));
  impl_->PostPending();
}

void Table::First() {
  impl_->First();
}
void Table::Next() {
  impl_->Next();
}
bool Table::Eof() const {
  return !impl_->open || impl_->eof;
}

std::string Table::GetText(std::string_view field) const {
  return AsText(impl_->Read(field));
}

std::int32_t Table::GetInteger(std::string_view field) const {
  const Value v = impl_->Read(field);
  const std::optional<std::int32_t> integer = AsInteger(v);
  if (!integer) throw Error(mensajes::NoEsEntero(AsText(v)));
  return *integer;
}

std::optional<double> Table::GetFloat(std::string_view field) const {
  const Value v = impl_->Read(field);
  if (std::holds_alternative<Blank>(v)) return std::nullopt;
  const std::optional<double> number = AsFloat(v);
  if (!number) throw Error(mensajes::NoEsFlotante(AsText(v)));
  return number;
}

std::optional<bool> Table::GetBoolean(std::string_view field) const {
  const Value v = impl_->Read(field);
  if (std::holds_alternative<Blank>(v)) return std::nullopt;
  const std::optional<bool> flag = AsBoolean(v);
  if (!flag) {
    const FieldInfo& f = impl_->layout.fields[impl_->FieldIndex(field)].info;
    throw Error(mensajes::CampoTipoNoLegible(impl_->name, f.name, f.type));
  }
  return flag;
}

bool Table::Locate(std::string_view fields, const std::vector<std::string>& values) {
  Impl& t = *impl_;
  t.RequireOpen();
  const std::vector<std::string_view> names = SplitNames(fields);
  if (names.size() != values.size()) throw Error(mensajes::TablaBusquedaNoValida(t.name, fields));
  std::vector<std::pair<const Field*, std::string>> wanted;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const Field& f = t.layout.fields[t.FieldIndex(names[i])];
    wanted.emplace_back(&f, t.SearchValue(f, values[i]));
  }
  t.PostPending();
  if (t.orderField < 0 && !t.filter) {
    std::vector<std::size_t> fieldNumbers;
    std::vector<std::string> searched;
    for (const auto& [field, value] : wanted) {
      fieldNumbers.push_back(static_cast<std::size_t>(field - t.layout.fields.data()));
      searched.push_back(value);
    }
    const std::optional<std::uint32_t> r = t.IndexFor(fieldNumbers).Find(t.layout, searched);
    return r && t.SeekFrom(*r);
  }
  t.RefreshOrder();
  for (std::size_t i = 0; i < t.VisitCount(); ++i) {
    const std::uint32_t r = t.VisitAt(i);
    if (!t.Visible(r)) continue;
    bool all = true;
    for (const auto& [field, value] : wanted) {
      if (!t.FieldEquals(t.Record(r), *field, value)) {
        all = false;
        break;
      }
    }
    if (all) return t.SeekFrom(i);
  }
  return false;
}

bool Table::LocateInteger(std::string_view field, std::int32_t value) {
  Impl& t = *impl_;
  const Field& f = t.layout.fields[t.FieldIndex(field)];
  t.PostPending();
  t.RefreshOrder();
  for (std::size_t i = 0; i < t.VisitCount(); ++i) {
    const std::uint32_t r = t.VisitAt(i);
    if (!t.Visible(r)) continue;
    const Value v = Decode(t.Record(r) + f.offset, f.info, t.layout.flavor);
    if (std::holds_alternative<Blank>(v) || std::holds_alternative<Malformed>(v)) continue;
    const std::optional<double> number = AsFloat(v);
    if (number && *number == value) return t.SeekFrom(i);
  }
  return false;
}

void Table::SetFilter(std::string_view expression) {
  Impl& t = *impl_;
  t.RequireOpen();
  if (TrimBoth(expression).empty()) {
    t.filter.reset();
  } else {
    const std::optional<EqualsCondition> condition = ParseEqualsFilter(expression);
    if (!condition) throw Error(mensajes::TablaFiltroNoValido(t.name, expression));
    const std::size_t field = t.FieldIndex(condition->field);
    t.filter = Impl::Condition{field, std::string(TrimRight(condition->value))};
  }
  t.PostPending();
  t.filterRows = nullptr;
  if (t.filter) {
    if (!t.filterGroups || t.filterGroups->FieldNumber() != t.filter->field) {
      t.filterGroups.emplace(t.filter->field, t.Records(), t.layout);
    }
    t.filterRows = &t.filterGroups->Rows(t.layout, t.filter->value);
  }
  t.First();
}

void Table::SelectIndex(std::string_view fieldNames) {
  Impl& t = *impl_;
  t.RequireOpen();
  if (TrimBoth(fieldNames).empty()) {
    t.orderField = -1;
    t.order.clear();
  } else {
    std::string expression;
    for (std::string_view part : SplitNames(fieldNames)) {
      expression += (expression.empty() ? "" : "+") + std::string(part);
    }
    expression = KeyExpression(expression);
    int field = -1;
    for (const IndexedTag& tag : t.tags) {
      if (KeyExpression(tag.tag.expression) != expression) continue;
      // A tag we cannot keep (a text key sorted by a collation of its own) is not guessed at.
      if (tag.field < 0) throw Error(mensajes::TablaIndiceNoAdmitido(t.name, tag.tag.name));
      field = tag.field;
    }
    if (field < 0 && !t.indexFault.empty()) throw Error(t.indexFault);
    if (field < 0) throw Error(mensajes::TablaSinIndice(t.name, fieldNames));
    t.PostPending();
    t.orderField = field;
    t.orderStale = true;
  }
  t.First();
}

int Table::RecordCount() const {
  impl_->RequireOpen();
  return impl_->liveCount;
}

const std::string& Table::Label() const {
  return impl_->label;
}
const fs::path& Table::File() const {
  return impl_->file;
}

}  // namespace vadelto::dbase
