#pragma once

// One lookup the import repeats for every placed entry: the first row, in table order, whose
// key fields all read back equal to the values, and what that row holds in some other fields.
// The table is read once, on the first lookup, into a hash map; the answers are the scan's.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tables/dbase/table.h"

namespace vadelto {

class BusquedaPrimera {
 public:
  BusquedaPrimera(dbase::Table& tabla, std::vector<std::string_view> claves,
                  std::vector<std::string_view> valores);

  // The value fields of the first row whose key fields read back as `clave` (exact,
  // case-sensitive); nullopt when no row does.
  std::optional<std::vector<std::string>> Buscar(const std::vector<std::string>& clave);

 private:
  std::optional<std::vector<std::string>> Recorrer(const std::vector<std::string>& clave);
  std::vector<std::string> Valores() const;
  void Indexar();

  dbase::Table& tabla_;
  std::vector<std::string_view> claves_;
  std::vector<std::string_view> valores_;
  enum class Modo { SinLeer, Indice, Recorrido } modo_ = Modo::SinLeer;
  std::unordered_map<std::string, std::vector<std::string>> primeras_;
};

}  // namespace vadelto
