#include "import/busqueda_primera.h"

#include <cstdint>

#include "text/error.h"

namespace vadelto {
namespace {

// Several texts in one key, each behind its length so no two combinations collide.
std::string UnaClave(const std::vector<std::string>& partes) {
  std::string clave;
  for (const std::string& parte : partes) {
    const auto largo = static_cast<std::uint32_t>(parte.size());
    clave.append(reinterpret_cast<const char*>(&largo), sizeof largo);
    clave += parte;
  }
  return clave;
}

}  // namespace

BusquedaPrimera::BusquedaPrimera(dbase::Table& tabla, std::vector<std::string_view> claves,
                                 std::vector<std::string_view> valores)
    : tabla_(tabla), claves_(std::move(claves)), valores_(std::move(valores)) {}

std::vector<std::string> BusquedaPrimera::Valores() const {
  std::vector<std::string> valores;
  for (std::string_view campo : valores_) valores.push_back(tabla_.GetText(campo));
  return valores;
}

// A table whose fields cannot all be read (a field missing, of a type that does not read)
// keeps the row-by-row scan, which fails, or not, exactly where it always did.
void BusquedaPrimera::Indexar() {
  modo_ = Modo::Recorrido;
  std::unordered_map<std::string, std::vector<std::string>> primeras;
  try {
    for (tabla_.First(); !tabla_.Eof(); tabla_.Next()) {
      std::vector<std::string> clave;
      for (std::string_view campo : claves_) clave.push_back(tabla_.GetText(campo));
      std::string unida = UnaClave(clave);
      if (!primeras.contains(unida)) primeras.emplace(std::move(unida), Valores());
    }
  } catch (const Error&) {
    return;
  }
  primeras_ = std::move(primeras);
  modo_ = Modo::Indice;
}

std::optional<std::vector<std::string>> BusquedaPrimera::Recorrer(
    const std::vector<std::string>& clave) {
  for (tabla_.First(); !tabla_.Eof(); tabla_.Next()) {
    bool coincide = true;
    for (std::size_t i = 0; i < claves_.size() && coincide; ++i) {
      coincide = tabla_.GetText(claves_[i]) == clave[i];
    }
    if (coincide) return Valores();
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> BusquedaPrimera::Buscar(
    const std::vector<std::string>& clave) {
  if (modo_ == Modo::SinLeer) Indexar();
  if (modo_ == Modo::Recorrido) return Recorrer(clave);
  const auto encontrada = primeras_.find(UnaClave(clave));
  if (encontrada == primeras_.end()) return std::nullopt;
  return encontrada->second;
}

}  // namespace vadelto
