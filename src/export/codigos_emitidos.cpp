#include "export/codigos_emitidos.h"

#include "text/clipper.h"
#include "text/conversion.h"

namespace vadelto {

CodigosEmitidos::CodigosEmitidos(Mayusculas mayusculas, std::size_t ancho)
    : mayusculas_(mayusculas), ancho_(ancho) {}

std::string CodigosEmitidos::Guardado(std::string_view codigo) const {
  if (ancho_ == 0) return std::string(codigo);
  return TrimEspaciosDer(Izquierda(codigo, static_cast<long>(ancho_)));
}

std::string CodigosEmitidos::Clave(std::string_view codigo) const {
  return mayusculas_ == Mayusculas::Distinguen ? std::string(codigo) : ClaveSinMayusculas(codigo);
}

bool CodigosEmitidos::Contiene(std::string_view codigo) const {
  return claves_.contains(Clave(codigo));
}

std::string CodigosEmitidos::Numerado(const std::string& base, long n) const {
  const std::string candidato = base + IntToStr(n);
  if (ancho_ == 0 || candidato.size() <= ancho_) return candidato;
  return Izquierda(candidato, static_cast<long>(ancho_) - 2) + Derecha(candidato, 2);
}

std::string CodigosEmitidos::Emitir(std::string_view candidato) {
  const std::string base = Guardado(candidato);
  // Codes are never given back, so every candidate an earlier call for this base tried is
  // still taken: the search goes on from where that call stopped, with what it had tried.
  Busqueda& busqueda = busquedas_[base];
  std::string codigo;
  for (long& n = busqueda.siguiente;; ++n) {
    codigo = Candidato(base, n, busqueda.probados);
    if (!Contiene(codigo)) {
      ++n;
      break;
    }
  }
  claves_.insert(Clave(codigo));
  return codigo;
}

std::string CodigosEmitidos::Candidato(const std::string& base, long n,
                                       std::set<std::string>& probados) const {
  if (n == 0) return base;
  const std::string codigo = Numerado(base, n);
  // The first 8 + last 2 form runs out once every two-digit ending has been tried, and would
  // then repeat itself for ever: from there on the whole number is kept.
  if (probados.insert(Clave(codigo)).second) return codigo;
  const std::string numero = IntToStr(n);
  return Izquierda(base, static_cast<long>(ancho_) - static_cast<long>(numero.size())) + numero;
}

}  // namespace vadelto
