#include <set>

#include "tables/dbase/layout.h"
#include "tables/dbase/mdx.h"
#include "tables/dbase/naming.h"
#include "tables/dbase/os_file.h"
#include "tables/dbase/table.h"
#include "text/conversion.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto::dbase {
namespace fs = std::filesystem;

namespace {

constexpr int kMaxNameLength = 31;
constexpr int kMaxCharacterWidth = 254;
constexpr std::size_t kMaxTagName = 10;
constexpr std::size_t kMaxDBase3Name = 10;
constexpr int kMaxDBase3Digits = 18;

bool ValidName(std::string_view name, std::size_t longest) {
  if (name.empty() || name.size() > longest) return false;
  for (char c : name) {
    const bool ok =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

FieldInfo Physical(const FieldDef& def) {
  const std::string name = MayusculasAscii(def.name);
  switch (def.kind) {
    case FieldKind::Text:
      return {name, 'C', def.width, 0};
    case FieldKind::Integer:
      return {name, 'I', 4, 0};
    case FieldKind::Float:
      return {name, 'O', 8, 0};
    case FieldKind::Boolean:
      return {name, 'L', 1, 0};
  }
  return {name, 'C', def.width, 0};
}

std::vector<NewField> CheckedFields(const std::vector<FieldDef>& fields,
                                    const std::vector<IndexDef>& indexes, std::string_view table) {
  const auto invalid = [&](std::string_view what) {
    return Error(mensajes::TablaDefinicionNoValida(table, mensajes::DetalleCampoNoValido(what)));
  };
  std::vector<NewField> result;
  std::set<std::string> names;
  int recordLength = 1;
  for (const FieldDef& def : fields) {
    const FieldInfo info = Physical(def);
    const bool widthOk =
        def.kind != FieldKind::Text || (def.width >= 1 && def.width <= kMaxCharacterWidth);
    if (!ValidName(def.name, kMaxNameLength) || !widthOk || !names.insert(info.name).second) {
      throw invalid(def.name);
    }
    recordLength += info.length;
    result.push_back({info, false});
  }
  if (result.empty() || recordLength > 0xFFFF) throw invalid(table);
  for (const IndexDef& index : indexes) {
    bool found = false;
    for (NewField& f : result) {
      if (f.info.name == MayusculasAscii(index.field) && f.info.type != 'C' && f.info.type != 'L') {
        f.indexed = found = true;
      }
    }
    if (!found || !ValidName(index.name, kMaxTagName)) throw invalid(index.name);
  }
  return result;
}

FieldInfo PhysicalDBase3(const FieldDef& def, std::string_view table) {
  const std::string name = MayusculasAscii(def.name);
  const auto invalid = [&] {
    return Error(
        mensajes::TablaDefinicionNoValida(table, mensajes::DetalleCampoNoValido(def.name)));
  };
  if (!ValidName(def.name, kMaxDBase3Name)) throw invalid();
  switch (def.kind) {
    case FieldKind::Text:
      if (def.width < 1 || def.width > kMaxCharacterWidth) throw invalid();
      return {name, 'C', def.width, 0};
    case FieldKind::Integer:
      if (def.width < 1 || def.width > kMaxDBase3Digits) throw invalid();
      return {name, 'N', def.width, 0};
    case FieldKind::Boolean:
      return {name, 'L', 1, 0};
    case FieldKind::Float:
      break;
  }
  throw invalid();
}

// The folder must exist, and a table someone has open is not pulled from under them.
void CheckReplaceable(const fs::path& file, const std::string& name) {
  std::error_code ec;
  if (!fs::is_directory(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec)) {
    throw Error(mensajes::TablaCarpetaNoExiste(name));
  }
  if (InUse(file)) throw Error(mensajes::TablaNoSePuedeCrear(name, mensajes::CausaEnUso()));
}

void WriteNew(const fs::path& file, const std::string& name, std::string contents) {
  contents += kEndOfFile;
  if (const int error = ReplaceFile(file, contents)) {
    throw Error(mensajes::TablaNoSePuedeCrear(name, mensajes::CausaSistema(error)));
  }
}

}  // namespace

void CreateDBase3Table(const fs::path& file, const std::string& label,
                       const std::vector<FieldDef>& fields) {
  const std::string name = NameForMessages(label, file);
  std::vector<FieldInfo> infos;
  std::set<std::string> names;
  for (const FieldDef& def : fields) {
    infos.push_back(PhysicalDBase3(def, name));
    if (!names.insert(infos.back().name).second) {
      throw Error(
          mensajes::TablaDefinicionNoValida(name, mensajes::DetalleCampoNoValido(def.name)));
    }
  }
  if (infos.empty()) {
    throw Error(mensajes::TablaDefinicionNoValida(name, mensajes::DetalleCampoNoValido(name)));
  }
  CheckReplaceable(file, name);
  std::error_code ec;
  fs::remove(IndexFileOf(file), ec);
  WriteNew(file, name, DBase3Header(infos, Today()));
}

void CreateTable(const fs::path& file, const std::string& label,
                 const std::vector<FieldDef>& fields, const std::vector<IndexDef>& indexes) {
  const std::string name = NameForMessages(label, file);
  const std::vector<NewField> newFields = CheckedFields(fields, indexes, name);
  CheckReplaceable(file, name);
  std::error_code ec;

  const Date today = Today();
  const fs::path indexFile = IndexFileOf(file);
  if (indexes.empty()) {
    fs::remove(indexFile, ec);
  } else {
    std::vector<MdxTagContents> tags;
    for (const IndexDef& index : indexes) {
      tags.push_back({MdxTag{MayusculasAscii(index.name), MayusculasAscii(index.field)}, {}});
    }
    const std::string table = file.stem().string();
    if (const int error = ReplaceFile(indexFile, BuildMdx(table, kLanguageDriverId, today, tags))) {
      throw Error(mensajes::TablaNoSePuedeCrear(name, mensajes::CausaSistema(error)));
    }
  }
  WriteNew(file, name, Level7Header(newFields, !indexes.empty(), today));
}

}  // namespace vadelto::dbase
