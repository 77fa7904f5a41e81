#include "tables/dbase/naming.h"

#include "tables/unidad.h"
#include "text/cp1252.h"

namespace vadelto::dbase {
namespace fs = std::filesystem;

std::string NameForMessages(std::string_view label, const fs::path& file) {
  const std::u8string utf8 = file.u8string();
  const std::string real =
      AnsiDesdeUtf8(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  if (label.empty() || label == real) return real;
  return std::string(label) + " (" + real + ")";
}

fs::path IndexFileOf(const fs::path& table) {
  const std::string extension = table.extension().string();
  const bool lower = !extension.empty() && extension.back() >= 'a' && extension.back() <= 'z';
  const std::string name = table.stem().string() + (lower ? ".mdx" : ".MDX");
  return BuscarSinMayusculas(table.parent_path(), name);
}

}  // namespace vadelto::dbase
